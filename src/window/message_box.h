#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace vantrel {

// How the window puts a message in front of the user; tests replace it to collect the messages.
using MessagePresenter = std::function<void(const QString& message)>;

// The program's message box: modal, titled "QEB-Vantrel", an OK button only, no icon.
void showProgramMessage(QWidget* parent, const QString& message);

}  // namespace vantrel
