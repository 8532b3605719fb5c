#pragma once

#include <QObject>
#include <QString>

// Ends the test run, naming the control that was looked for.
[[noreturn]] void failMissingControl(const QString& name);

// The one way the suites reach a control: by the objectName the rest of the
// program (and screen readers) use. A missing control ends the test run with
// its name, rather than a null pointer crash somewhere later.
template <typename T = QObject> T* findControl(const QObject* root, const QString& name) {
    T* control = root->findChild<T*>(name);
    if (control == nullptr)
        failMissingControl(name);
    return control;
}

// Element `index` of a control array, named "name_index".
template <typename T = QObject> T* findControl(const QObject* root, const char* name, int index) {
    return findControl<T>(root, QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index));
}

class QRect;
class QWidget;

// Empty when `control` sits at `design` (pixels, in its container): exactly
// there, or, only where its text is larger with the font in use than the
// design leaves room for, grown from there keeping the side or centre its
// alignment names (a button its centre). Otherwise what is wrong.
QString placementProblem(const QWidget* control, const QRect& design);
