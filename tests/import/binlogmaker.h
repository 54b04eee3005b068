// Builds the binary log files of the CT, NA and QW formats (and their companion files)
// from lists of records, byte by byte after the formats' layouts, so that every test
// file is explained by the code that made it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace qz::test {

// CT

struct TCTHeaderSpec {
    TCTHeaderSpec() = default;
    explicit TCTHeaderSpec(std::string v) : version(std::move(v)) {}
    std::string version = "CT 9.34";  // the version text; "CT 10..." makes 64-byte records
    std::uint8_t contest = 0;         // header contest code
    std::string call = "DL1ABC";
    std::string name, address, town, state, zip, club;
    std::uint8_t category = 0;
    std::uint8_t powerCategory = 0;
};

struct TCTRecord {
    std::string call;
    std::string exchange;
    std::uint8_t band = 0;
    std::uint8_t mode = 1;  // TMode ordinal + 1
    std::int16_t number28 = 599;
    std::int16_t number30 = 0;
    std::int32_t seconds = 0;  // since 1970-01-01
};

struct TCTQTCRecord {
    std::string call;
    std::int32_t seconds = 0;  // 0 marks an empty record
    std::uint8_t band = 0;
    std::string group, time, reportedCall, serial;
};

// Header 1024 bytes for "CT 8." versions, 4096 otherwise, then the records.
std::string MakeCTFile(const TCTHeaderSpec& header, const std::vector<TCTRecord>& records);
std::string MakeCTQTCFile(const std::vector<TCTQTCRecord>& records);

// NA

struct TNARecord {
    std::uint32_t seconds = 0;
    std::uint16_t bandNumber = 0;
    bool ssb = false;
    std::string text;  // columns 1 to 31: call in 1-12, the exchange after it
};

// 800-byte header (version byte, own call, template name) and 40-byte records.
std::string MakeNAFile(std::uint8_t version, const std::string& ownCall, const std::string& templateName,
                       const std::vector<TNARecord>& records);
// A template file of `size` bytes whose byte 71 is the template number.
std::string MakeNATemplate(std::uint8_t number, std::size_t size = 128);
// Columns of a 31-character exchange text: `value` written from column `from` (from 1).
void PutColumns(std::string& text, int from, const std::string& value);

// QW

struct TQWRecord {
    TQWRecord(std::string t, std::string d, std::string c, std::string loc = "", std::uint8_t b = 1,
              std::uint16_t srst = 599, std::uint16_t nr = 1, std::int32_t rcvd = 599001, std::string k = "")
        : time(std::move(t)),
          date(std::move(d)),
          call(std::move(c)),
          locator(std::move(loc)),
          band(b),
          sentRST(srst),
          serial(nr),
          received(rcvd),
          dok(std::move(k)) {}
    std::string time;  // HHMM
    std::string date;  // YYMMDD
    std::string call;
    std::string locator;
    std::uint8_t band = 1;
    std::uint16_t sentRST = 599;
    std::uint16_t serial = 1;
    std::int32_t received = 599001;
    std::string dok;
};

struct TQWQTCRecord {
    std::string time, date, band, call, group;
    std::array<std::string, 10> times, serials, calls;
};

std::string MakeQWFile(const std::string& ownCall, const std::string& ownLocator, const std::string& ownDOK,
                       const std::vector<TQWRecord>& records);
std::string MakeQWQTCFile(const std::vector<TQWQTCRecord>& records);

}  // namespace qz::test
