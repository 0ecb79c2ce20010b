#pragma once

#include "platform/db/result.h"

#include <QString>

// Message-box styles and answers with the values the program's texts are written against.
enum MsgBoxStyle : int {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbAbortRetryIgnore = 2,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbRetryCancel = 5,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
    vbDefaultButton2 = 256,
    vbDefaultButton3 = 512,
};
enum MsgBoxResult : int { vbOK = 1, vbCancel = 2, vbAbort = 3, vbRetry = 4, vbIgnore = 5, vbYes = 6, vbNo = 7 };

// Shows a message and returns the answer. Replaced in tests by a scripted responder.
class MessageService {
public:
    virtual ~MessageService() = default;
    virtual int show(const QString& text, int style, const QString& title) = 0;
};

// Installs a service (nullptr: none) and returns the one it replaces.
MessageService* setMessageService(MessageService* service);
// The real message box, which the program installs.
MessageService& messageBoxService();

int MsgBox(const QString& text, int style = vbOKOnly, const QString& title = QStringLiteral("TOVI"));

// "The program experienced the following error: …" with the error's description and number.
QString generalErrorText(const Error& error);
// Shows the general error text with the information icon under `title`.
void showGeneralError(const Error& error, const QString& title);
