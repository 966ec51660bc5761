#pragma once
// Asks where to save a file, through the platform's save dialog or, in tests, through a hook that answers in its
// place.

#include <QString>

#include <functional>

class QWidget;

class SaveFileName
{
public:
    // The chosen path, or an empty text when the user gave up. proposed is the folder and name offered.
    static QString ask(QWidget *parent, const QString &caption, const QString &proposed, const QString &filter);

    // Test seam: while a hook is set it answers in place of the dialog (an empty text: nothing chosen).
    using Hook =
        std::function<QString(QWidget *parent, const QString &caption, const QString &proposed, const QString &filter)>;
    static void setHook(const Hook &hook);
};
