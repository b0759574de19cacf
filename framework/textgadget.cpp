#include "framework/textgadget.h"

#include <QFontMetrics>
#include <QLabel>

TTextGadget::TTextGadget(int id, TBorderStyle, TAlign, int numChars, const char* text)
    : Id(id), NumChars(numChars), Text(text) {}

void TTextGadget::SetText(const std::string& text) {
    Text = text;
    if (Label)
        Label->setText(QString::fromStdString(Text));
}

QLabel* TTextGadget::MakeLabel(const QFont& font) {
    auto* label = new QLabel(QString::fromStdString(Text));
    label->setFont(font);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    const QFontMetrics metrics(font);
    label->setFixedWidth(metrics.averageCharWidth() * NumChars + 2 * label->frameWidth() + 4);
    Label = label;
    return label;
}
