#pragma once

#include "platform/db/result.h"

#include <QString>

#include <optional>

// Message styles and answers, with the values of the program's message boxes.
namespace prompt {
enum Style : int { OKOnly = 0, YesNo = 4, Critical = 16, Information = 64 };
enum Answer : int { OK = 1, Yes = 6, No = 7 };
}   // namespace prompt

// What the analysis-file operations and Update Analyses ask of the user interface. They call
// it only while no transaction is open.
class AnalysisFilePrompts {
public:
    virtual ~AnalysisFilePrompts() = default;

    // A message box; returns the answer (prompt::Answer).
    virtual int message(const QString& text, int style, const QString& title) = 0;
    // "The program experienced the following error: …" for `error`, under `title`.
    virtual void generalError(const Error& error, const QString& title) = 0;
    // The modal title prompt with its caption and label, `text` in its text box. The name the
    // user finished with, or nothing when the user gave up the import.
    virtual std::optional<QString> askTitle(const QString& caption, const QString& label, const QString& text) = 0;
};
