// The 4096-byte byte layout of the log header at the start of every native log file.
#pragma once

#include <string>
#include <string_view>

#include "domain/defs.h"

namespace qz {

// Field offsets of the stored header.
namespace fho {
inline constexpr std::size_t VersionString = 0;
inline constexpr std::size_t CreatedTimeStamp = 10;
inline constexpr std::size_t CreatedVersion = 18;
inline constexpr std::size_t LastModifiedTimeStamp = 34;
inline constexpr std::size_t LastModifiedVersion = 42;
inline constexpr std::size_t NoOfColumnDescriptors = 58;
inline constexpr std::size_t ColumnDescriptors = 60;
inline constexpr std::size_t OutputWindows = 340;
inline constexpr std::size_t ReadOnly = 342;
inline constexpr std::size_t QZSpare = 343;
inline constexpr std::size_t OwnCall = 512;
inline constexpr std::size_t Address = 539;
inline constexpr std::size_t EMail = 795;
inline constexpr std::size_t Station = 1051;
inline constexpr std::size_t Power = 1307;
inline constexpr std::size_t Club = 1563;
inline constexpr std::size_t PowerCategory = 1819;
inline constexpr std::size_t ARRLSection = 1820;
inline constexpr std::size_t Name = 1824;
inline constexpr std::size_t Specific = 2080;
// Fields that older versions left as reserved zero bytes (and readers skipped): the
// whole location when it is longer than the section field, and the grid locator.
inline constexpr std::size_t Location = 2112;
inline constexpr std::size_t GridLocator = 2176;
inline constexpr std::size_t UserSpare = 2187;
inline constexpr std::size_t Contest = 2560;
inline constexpr std::size_t Category = 2561;
inline constexpr std::size_t ParticipationCategory = 2817;
inline constexpr std::size_t NoOfQSOs = 2818;
inline constexpr std::size_t CtyFile = 2822;
inline constexpr std::size_t OperatorList = 3078;
inline constexpr std::size_t SoapBox = 3334;
inline constexpr std::size_t CategoryAssisted = 3590;
inline constexpr std::size_t CategoryOperator = 3591;
inline constexpr std::size_t CategoryPower = 3592;
inline constexpr std::size_t CategoryStation = 3593;
inline constexpr std::size_t CategoryTime = 3594;
inline constexpr std::size_t CategoryTransmitter = 3595;
inline constexpr std::size_t CategoryOverlay = 3596;
inline constexpr std::size_t Year = 3597;
inline constexpr std::size_t ContestSpare = 3599;
}  // namespace fho

inline constexpr std::size_t kColumnEntrySize = 7;

// Appends exactly kFileHeaderSize bytes.
void EncodeFileHeader(const TFileHeader& header, std::string& out);

// Reads a stored header. Every length byte and enumeration ordinal is checked; false
// with a description in `error` when a value lies outside its field or table (the
// header is then not to be trusted). Needs at least kFileHeaderSize bytes.
bool DecodeFileHeader(std::string_view bytes, TFileHeader& header, std::string* error);

}  // namespace qz
