#pragma once

#include "platform/Exception.h"
#include "platform/Services.h"

#include <exception>

// Shows the message in the error box; never throws.
void ShowGuardedError(const QString& message) noexcept;

// Runs the body of a Qt event handler, slot or timer tick so that no
// exception leaves it: the message goes to the error box, as the class
// library's default handler shows it.
template <typename Body> void Guarded(Body&& body) noexcept {
    try {
        body();
    } catch (const Exception& error) {
        ShowGuardedError(error.Message());
    } catch (const std::exception& error) {
        ShowGuardedError(QString::fromUtf8(error.what()));
    } catch (...) {
        ShowGuardedError(QStringLiteral("Unknown error"));
    }
}
