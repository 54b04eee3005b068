// Building blocks shared by the contest class constructors.
#include "contests/framework/definition.h"

#include <type_traits>

#include "base/frontend.h"
#include "base/installfiles.h"
#include "base/language.h"
#include "base/lsnumbers.h"
#include "reflists/amiallocationtable.h"
#include "reflists/memberlist.h"
#include "reflists/miscallocationtable.h"
#include "reflists/simplelist.h"

namespace qz {

SBand SixBands() { return {b160m, b80m, b40m, b20m, b15m, b10m}; }
SBand FiveBands() { return {b80m, b40m, b20m, b15m, b10m}; }

SMode ContestKindModes(TContest contest) {
    if (contest >= kNoOfContests) return AllModes();
    return ModeKindModes(ContestModeKinds[contest]);
}

namespace {

// What the user is told when a list could not be read: the reader's own message for a
// file that exists but is unusable, otherwise which file is missing. A member list adds
// that members are then neither filled in nor checked (language string 117).
std::string ListFailureText(const TFileToBeInstalled& file, const std::string& readError, bool memberList) {
    if (memberList) return (readError.empty() ? InstalledFilePath(file) : readError) + " " + LS(lsMemberListMissing);
    return readError.empty() ? LS(lsFileNotFound) + " " + InstalledFilePath(file) : readError;
}

template <typename List>
std::unique_ptr<List> LoadList(std::unique_ptr<List> list, std::string_view fileName, TListNeed need,
                               TContestLogCreateError& error) {
    TFileToBeInstalled file = InstalledFile(fileName);
    std::string readError;
    if (!list->ReadFromFile(file, &readError)) {
        ShowErrorMessage(ListFailureText(file, readError, std::is_same_v<List, TMemberList>));
        if (need == TListNeed::Required) error = EAllocationTable;
    }
    return list;
}

}  // namespace

std::unique_ptr<TAmiAllocationTable> LoadAmiAllocationTable(std::string_view fileName, TContestLogCreateError& error) {
    return LoadList(std::make_unique<TAmiAllocationTable>(), fileName, TListNeed::Required, error);
}

std::unique_ptr<TMiscAllocationTable> LoadMiscAllocationTable(std::string_view fileName,
                                                              TContestLogCreateError& error) {
    return LoadList(std::make_unique<TMiscAllocationTable>(), fileName, TListNeed::Required, error);
}

std::unique_ptr<TSimpleList> LoadSimpleList(std::string_view fileName, TListNeed need, TContestLogCreateError& error) {
    return LoadList(std::make_unique<TSimpleList>(), fileName, need, error);
}

std::unique_ptr<TMemberList> LoadMemberList(std::string_view fileName, int rcvdIndex, TListNeed need,
                                            TContestLogCreateError& error) {
    auto list = std::make_unique<TMemberList>();
    list->SetRcvdIndex(rcvdIndex);
    return LoadList(std::move(list), fileName, need, error);
}

}  // namespace qz
