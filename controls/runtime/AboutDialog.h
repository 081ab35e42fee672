#pragma once

#include "controls/runtime/RuntimeExport.h"

#include <QDialog>

namespace qvrun {

// What the about dialog answers when the user asks for the control's own
// properties: the control then performs its primary verb.
inline constexpr int kAboutShowProperties = 0xCAC0;

// The control suite's about box, run modally over the control that asked.
class QVRUN_EXPORT CQvAboutDlg : public QDialog {
    Q_OBJECT

public:
    explicit CQvAboutDlg(QWidget* parent = nullptr);
};

} // namespace qvrun
