// The file information dialog: the log file's name, own call, contest, number of QSOs,
// and when and with which program version it was created and last changed.
#pragma once

#include <QDialog>
#include <string>

#include "domain/defs.h"

namespace qz::gui {

class TFileInfoForm : public QDialog {
    Q_OBJECT
public:
    TFileInfoForm(const std::string& fileName, const TFileHeader& header, QWidget* parent = nullptr);
};

// "dd.mm.yyyy hh:mm:ss" of a stored time stamp; the four numbers of a version joined
// by ".".
QString FormatTimeStamp(TDateTime stamp);
QString FormatVersion(const TNumVersion& version);

}  // namespace qz::gui
