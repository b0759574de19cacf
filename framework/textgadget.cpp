#include "framework/textgadget.h"

#include <QFontMetrics>
#include <QLabel>

#include <algorithm>

TTextGadget::TTextGadget(int id, TBorderStyle, TAlign, int numChars, const char* text)
    : Id(id), NumChars(numChars), Text(text) {}

void TTextGadget::SetText(const std::string& text) {
    Text = text;
    if (Label)
        Label->setText(QString::fromStdString(Text));
}

void TTextGadget::FitTexts(std::vector<std::string> texts) {
    WidestTexts = std::move(texts);
    FitLabel();
}

QLabel* TTextGadget::MakeLabel(const QFont& font) {
    auto* label = new QLabel(QString::fromStdString(Text));
    label->setFont(font);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Label = label;
    FitLabel();
    return label;
}

void TTextGadget::FitLabel() {
    if (!Label)
        return;
    const QFontMetrics metrics(Label->font());
    QChar widestDigit = u'0';
    for (char16_t digit = u'1'; digit <= u'9'; ++digit)
        if (metrics.horizontalAdvance(QChar(digit)) > metrics.horizontalAdvance(widestDigit))
            widestDigit = QChar(digit);
    int width = metrics.averageCharWidth() * NumChars;
    for (const std::string& text : WidestTexts) {
        QString shown = QString::fromStdString(text);
        for (QChar& c : shown)
            if (c.isDigit())
                c = widestDigit;
        width = std::max(width, metrics.horizontalAdvance(shown));
    }
    // A framed label indents its text by half an 'x'; the same again keeps
    // the end off the border.
    Label->setFixedWidth(width + 2 * Label->frameWidth() + metrics.horizontalAdvance(u'x'));
}
