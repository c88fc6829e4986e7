#pragma once

#include <QTextBrowser>

// The help document in a small window of its own, opened at the anchor of a
// numbered context ("context-19"). One viewer serves every request and stays
// open beside the program until the user closes it.
class THelpViewer : public QTextBrowser {
    Q_OBJECT
public:
    // Shows the file at the context in the open viewer, or in a new one;
    // raises when the file cannot be read.
    static THelpViewer* ShowContext(const QString& helpFile, int context);
    // The open viewer, or null.
    static THelpViewer* Current();
    static QString ContextAnchor(int context);

private:
    THelpViewer();
};
