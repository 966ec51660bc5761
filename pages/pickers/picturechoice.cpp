#include "pages/pickers/picturechoice.h"

#include "core/globals.h"
#include "core/projectfolders.h"
#include "core/projectlist.h"
#include "devicelink/broadcastsocket.h"
#include "pages/pickers/iconselectdlg.h"
#include "pages/pickers/iconstyledlg.h"

#include <QDir>
#include <QFileDialog>
#include <QImage>
#include <QSaveFile>

namespace {

PictureChoice::OpenFileHook &openFileHook()
{
    static PictureChoice::OpenFileHook hook;
    return hook;
}

QString askForFile(QWidget *parent, const QString &caption, const QString &filter)
{
    if (openFileHook())
        return openFileHook()(parent, caption, filter);
    return QFileDialog::getOpenFileName(parent, caption, QString(), filter);
}

// Replaces the picture atomically, so that a failed write never leaves half a picture under the name.
void savePicture(const QString &source, const QString &target)
{
    QImage image;
    if (!image.load(source))
        return;
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly))
        return;
    if (image.save(&file, "PNG"))
        file.commit();
    else
        file.cancelWriting();
}

} // namespace

QString PictureChoice::projectPictureName(const QString &kindWord, int id)
{
    return QString("photo_%1_%2").arg(kindWord).arg(id);
}

std::optional<QString> PictureChoice::chooseBuiltIn(int family)
{
    IconSelectDlg picker(nullptr);
    picker.iconType = family;
    picker.initIcons();
    if (picker.exec() != QDialog::Accepted)
        return std::nullopt;
    return picker.iconName;
}

std::optional<QString> PictureChoice::choose(QWidget *editor, int family, const QString &kindWord, int id)
{
    IconStyleDlg source(nullptr);
    if (source.exec() != QDialog::Accepted)
        return std::nullopt;
    if (source.iconStyle != 1)
        return chooseBuiltIn(family);

    const QString file = askForFile(editor, tr("Open"), tr("Image Files(*.bmp *.png *.gif *.jpg)"));
    if (file.isEmpty())
        return std::nullopt;

    // Without a current project there is no folder of its own, and the database folder above must not fill up
    // with pictures nobody refers to.
    QString project;
    const bool listed = getCurrentProjectName(project) && !project.isEmpty();
    const QString folder = projectFolderPath(project);
    if (!listed || !QDir(folder).exists()) {
        emit gBroadcastSocket.signalsInformation(
            QString::asprintf("Lose the dir named %s,please reboot the application!", project.toUtf8().constData()));
        return std::nullopt;
    }

    const QString name = projectPictureName(kindWord, id);
    savePicture(file, folder + "/" + name + ".png");
    return name;
}

void PictureChoice::setOpenFileHook(const OpenFileHook &hook)
{
    openFileHook() = hook;
}
