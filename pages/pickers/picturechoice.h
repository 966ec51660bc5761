#pragma once
// The editors' side of a picture choice, the same for rooms, room templates, moods and 3D views: ask where the
// picture comes from, then either pick a built-in one or copy a picture file into the project as
// photo_<kind word>_<id>.png.

#include <QCoreApplication>
#include <QString>

#include <functional>
#include <optional>

class QWidget;

class PictureChoice
{
    Q_DECLARE_TR_FUNCTIONS(PictureChoice)

public:
    // The name of the picture the user chose for the editor's tile, or nothing when the user gave up or the project
    // folder is missing (then the hub shows "Lose the dir named <project>,please reboot the application!").
    // family is the IconSelectKind of the built-in pictures; kindWord and id name the project picture
    // ("Template", 4 gives photo_Template_4). The file is written at once, replacing an older one of that name;
    // an unreadable image still gives the name (the tile then shows the older file, or nothing).
    static std::optional<QString> choose(QWidget *editor, int family, const QString &kindWord, int id);

    // The built-in picture chosen in the picker of that family, or nothing when it was closed.
    static std::optional<QString> chooseBuiltIn(int family);

    // The project picture name of a kind word and id: photo_<kindWord>_<id>.
    static QString projectPictureName(const QString &kindWord, int id);

    // Test seam: while a hook is set it answers in place of the open-file dialog (an empty text: nothing chosen).
    using OpenFileHook = std::function<QString(QWidget *parent, const QString &caption, const QString &filter)>;
    static void setOpenFileHook(const OpenFileHook &hook);
};
