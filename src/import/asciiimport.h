// The ASCII import: text logs with every field at a fixed range of character columns,
// read through a stored or user-defined column layout.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/datetime.h"
#include "domain/defs.h"
#include "engine/contestlog.h"
#include "import/convert.h"
#include "import/formatlist.h"
#include "import/sourcetext.h"

namespace qz {

// What the import dialog settles: the layout and the values the file does not carry.
struct TASCIIImportSettings {
    TPosListRec Layout;
    int TabLength = 8;  // tab stops every TabLength columns; 0 leaves tabs as they are
    int LinesFrom = 1;  // the lines whose call is read, counted from 1
    int LinesTo = 0;    // 0 = the last line of the file
    TBand ConstantBand = b160m;
    TMode ConstantMode = mCW;
    TDateTime ConstantDate = 0;
    int QSO_QTC = 0;  // 0 QSO, 1 sent QTC, 2 received QTC
};

// What the reader did with the lines of a file.
struct TASCIIReadCounts {
    int lines = 0;   // lines of the file
    int qsos = 0;    // lines read into the log
    int noCall = 0;  // lines without a valid call, listed in the messages
    int short_ = 0;  // read lines too short for some fields of the layout (reported)
};

class TASCIIConvert : public TConvert {
public:
    TASCIIConvert(std::string fileName, std::vector<std::string>* messages);
    // Reads `bytes` instead; `fileName` names them in messages and picks the layout by
    // its extension.
    TASCIIConvert(std::string bytes, std::string fileName, std::vector<std::string>* messages);

    // The layouts to choose from; loaded from the data folder's format list when the
    // caller has not filled it.
    TFormatList FormatList;
    bool FormatListLoaded = false;
    // Settings used as they stand (the caller's own layout) instead of a stored one.
    const TASCIIImportSettings* Settings = nullptr;
    // The import dialog: shown with message boxes; false cancels the import.
    std::function<bool(TASCIIImportSettings& settings, const TContestLog& log)> EditSettings;

    const TASCIIReadCounts& Counts() const { return FCounts; }

private:
    bool BuildLog(bool showMessageBoxes) override;
    bool ChooseSettings(TASCIIImportSettings& s);
    void ReadLines(const TASCIIImportSettings& s);
    void ReadFields(TQSO& q, std::string_view line, const TASCIIImportSettings& s, int lineNo);

    TSourceText FText;
    bool FFromBytes = false;
    TASCIIReadCounts FCounts;
    TMessageCap FCap;
    // Per line: the mode is settled; no day was read.
    bool FShowBoxes = false;
    int FLayoutIndex = -1;
    bool ModeIsKlar = false;
    bool DayNotFound = false;
};

// A line with every tab replaced by blanks up to the next tab stop.
std::string ExpandTabs(std::string_view line, int tabLength);
// The call of a layout's call field: blanks around it allowed, one word only, slashed
// zeros read as 0, lower case made upper, only "/", digits and A-Z, at least one digit
// and one letter; "" when the field holds no such call.
std::string ASCIICallOf(std::string_view field);
// A month number or name (English or German, upper case; "MÄRZ"); 0 when none.
int ASCIIMonthOf(std::string_view field);

}  // namespace qz
