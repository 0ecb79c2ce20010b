#pragma once

#include "platform/ui/forms.h"
#include "platform/ui/pdf_viewer.h"

// The document viewer: one child window of the main window whose viewer control fills it.
// Every document command unloads it and opens it afresh with the document's caption.
class frmViewDocuments : public FormWindow {
    Q_OBJECT
public:
    frmViewDocuments();

    // The caption the window has when it is created.
    static QString initialCaption();

    PdfViewer* WEXTPDF;

protected:
    void formLoad() override;
    // Gives the keyboard focus back to the main window's tree of analyses.
    void formUnload() override;
};
