#include "spread/UAdd.h"
#include "spread/pogrubienie.h"

#include <QTextEdit>

TFAdd::TFAdd(QWidget *rodzic) : QWidget(rodzic)
{
    setWindowTitle(QStringLiteral("FAdd"));
    resize(775, 572);
    RichEdit1 = new QTextEdit(this);
    RichEdit1->setGeometry(0, 0, 725, 737);
    RichEdit1->setFont(CzcionkaWydruku());
    RichEdit1->setLineWrapMode(QTextEdit::WidgetWidth);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}
