#include "designer/controls/ColourMemoUn.h"

TColourMemo::TColourMemo(QWidget* parent) : TColourTextControl<QPlainTextEdit>(parent) {
    setTabChangesFocus(true);
}

QStringList TColourMemo::Lines() const {
    const QString text = toPlainText();
    return text.isEmpty() ? QStringList() : text.split('\n');
}

void TColourMemo::SetLines(const QStringList& Value) {
    setPlainText(Value.join('\n'));
}
