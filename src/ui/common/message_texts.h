#pragma once

#include <QString>

// The message texts and titles that more than one window shows.

inline const QString kUnableToSaveTitle = QStringLiteral("Unable to Save");

inline const QString kNeedSiteIdTitle = QStringLiteral("Need Site ID");
inline const QString kNeedSiteIdText = QStringLiteral(
    "Please enter a unique File Name before updating the database.  This name will be used to reference the "
    "analysis.");

inline const QString kInvalidInputTitle = QStringLiteral("Invalid Input");
inline const QString kInvalidInputText = QStringLiteral(
    "You have entered an invalid character into this input field.  Please ensure that you have entered only "
    "numbers.");

inline const QString kConfirmDeleteTitle = QStringLiteral("Confirm Delete");

inline const QString kExportErrorTitle = QStringLiteral("Export Error");
inline const QString kExportErrorText =
    QStringLiteral("An error occurred while performing the export.  Please try again.");
