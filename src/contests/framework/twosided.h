// Contests scored differently for stations of the organising country (home side) and
// for everybody else (DX side): each side is a class of its own over this base, which
// holds the home countries, the side switch and the rules both sides share.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "engine/contestlog.h"

namespace qz {

class TTwoSidedContest : public TContestLog {
protected:
    // `homeCountries`: master prefixes of the organising country; `homeSide`: this
    // class scores the home stations' logs; `otherSide`: the contest of the other side,
    // chosen when the own call belongs there.
    TTwoSidedContest(std::initializer_list<const char*> homeCountries, bool homeSide, TContest otherSide);

    // This class scores the home stations' logs.
    bool IsHomeSide() const { return FHomeSide; }
    // The station is in one of the home countries.
    bool IsHomeStation(const TCall& call) const;
    // Validity of the common pattern: the base check, then the worked station must be
    // (`mustBeHome`) or must not be a home station; otherwise message `messageNo`,
    // after the call and a blank when `withCall`.
    bool IsValidForSide(int index, bool showMessage, bool mustBeHome, int messageNo, bool withCall);
    // Received number `numberIndex` of line `qsoIndex` when its station is a home one.
    std::string RcvdOfHomeStation(int qsoIndex, int numberIndex) const;
    // Points by the relation of the worked station to the own one.
    std::int32_t RelationPoints(int index, std::int32_t sameCountry, std::int32_t sameContinent,
                                std::int32_t otherContinent) const;
    // New lines: the DX sides number their QSOs (sent number 0 serial); the home sides
    // send a constant exchange asked with `prompt` in the first line and copied after.
    // The suggestion for a received number when the contest has none of its own: the
    // previous line's number, suggested on the DX side and only listed on the home side.
    std::string SideRcvdSuggestion(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList);
    void AppendSerialQSO(bool setEditedFlag);
    void AppendConstantQSO(bool setEditedFlag, int prompt);
    // Suggestion of a region for home stations: an earlier line's number, else every
    // main item of the log's prefix table with the first suggested; false for others.
    bool SuggestRegion(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList, std::string& result);
    // The multiplier of a region text looked up in the prefix table (exact); "" and
    // message 263 (after `separator`) when it is unknown.
    std::string RegionCandidate(int index, const std::string& rcvd, const char* separator) const;

private:
    std::vector<std::string> FHomeCountries;
    bool FHomeSide;
};

}  // namespace qz
