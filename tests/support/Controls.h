#pragma once

#include <QObject>
#include <QString>
#include <QtGlobal>

// The one way the suites reach a control: by the objectName the rest of the
// program (and screen readers) use. A missing control ends the test run with
// its name, rather than a null pointer crash somewhere later.
template <typename T = QObject> T* findControl(const QObject* root, const QString& name) {
    T* control = root->findChild<T*>(name);
    if (control == nullptr)
        qFatal("no control named %s", qPrintable(name));
    return control;
}

// Element `index` of a control array, named "name_index".
template <typename T = QObject> T* findControl(const QObject* root, const char* name, int index) {
    return findControl<T>(root, QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index));
}
