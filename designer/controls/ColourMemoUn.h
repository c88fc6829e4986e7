#pragma once

#include "designer/controls/ColourEditUn.h"

#include <QPlainTextEdit>

// The multi-line colour field. Tab moves on to the next control.
class TColourMemo : public TColourTextControl<QPlainTextEdit> {
public:
    explicit TColourMemo(QWidget* parent = nullptr);

    QStringList Lines() const;
    void SetLines(const QStringList& Value);
};
