#pragma once

#include <QHash>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QWidget>

#include <optional>

// A window of the program. Loaded (created) on first use through Forms, hidden until shown;
// a child window of the main window lives in an MDI sub-window, any other window stands alone.
// Geometry is in twips and applies to the frame the user sees. A window's minimum size is the
// smallest at which all its controls show: in a smaller frame, maximised or not, they scroll.
// Enter presses the focused push button, as in a dialog.
class FormWindow : public QWidget {
    Q_OBJECT
public:
    enum WindowStateCode : int { vbNormal = 0, vbMinimized = 1, vbMaximized = 2 };

    explicit FormWindow(QWidget* parent = nullptr);

    // Whether the window is a child of the main window's MDI area (true unless overridden).
    virtual bool isMdiChild() const { return true; }

    QWidget* frame() const;
    // The window shown in a child window's frame; nullptr for another frame.
    static FormWindow* inFrame(const QMdiSubWindow* frame);
    int leftTwips() const;
    int topTwips() const;
    int widthTwips() const;
    int heightTwips() const;
    void moveTwips(double left, double top);
    void resizeTwips(double width, double height);
    int windowStateCode() const;
    void setWindowStateCode(int state);
    void showForm();
    void hideForm();

    // Closes the window through its closing handlers; false when a handler kept it open.
    bool unload();

    // Whether the window's load failed; the window has reported the failure itself.
    virtual bool loadFailed() const { return false; }

protected:
    // Runs once right after the window is created and registered (the window's load).
    virtual void formLoad() {}
    // Return false to keep the window open.
    virtual bool queryUnload() { return true; }
    // Runs once before the window goes away.
    virtual void formUnload() {}

    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    friend class Forms;
    bool m_unloaded = false;
    // The state a hidden child window takes when it is shown.
    std::optional<int> m_hiddenState;
};

// Enter or Return on a focused push button presses it; false for any other key or control.
bool pressFocusedButton(const QKeyEvent& event, QWidget* focus);

// The registry that keeps every window at most once, by its class name.
class Forms {
public:
    static void setMdiArea(QMdiArea* area);
    static QMdiArea* mdiArea();

    template <class T>
    static T* get()
    {
        const QString name = QString::fromLatin1(T::staticMetaObject.className());
        if (FormWindow* existing = find(name))
            return static_cast<T*>(existing);
        T* form = new T();
        adopt(form, name);
        return form;
    }

    static FormWindow* find(const QString& name);
    static bool isLoaded(const QString& name) { return find(name) != nullptr; }
    // Unloads the named window; a window that is not loaded is left alone. False when the
    // window's closing handlers kept it open.
    static bool unload(const QString& name);
    // Asks the named window's closing handlers whether it may close, without closing it; true for
    // a window that is not loaded.
    static bool mayUnload(const QString& name);
    template <class T>
    static bool unload()
    {
        return unload(QString::fromLatin1(T::staticMetaObject.className()));
    }

private:
    friend class FormWindow;
    static void adopt(FormWindow* form, const QString& name);
    static void forget(FormWindow* form);
    static QHash<QString, QPointer<FormWindow>>& registry();
};
