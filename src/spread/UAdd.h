#pragma once
#include <QWidget>

class QTextEdit;

// The hidden window "FAdd" holding the rich-text buffer RichEdit1, in which
// the interpretation gets its bold headings for the printout.
class TFAdd : public QWidget
{
    Q_OBJECT
public:
    explicit TFAdd(QWidget *rodzic = nullptr);
    QTextEdit *RichEdit1 = nullptr;
};
