#include "pages/settings/projecttransfer.h"

#include "core/appsettings.h"
#include "core/projectfolders.h"
#include "core/projectlist.h"
#include "materialwidgets/picturefile.h"
#include "materialwidgets/qtmaterialflatbutton.h"
#include "materialwidgets/qtmaterialiconbutton.h"
#include "materialwidgets/qtmateriallabel.h"
#include "materialwidgets/qtmaterialtheme.h"
#include "shell/mydialog.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QTemporaryDir>
#include <QTemporaryFile>

#include <chrono>

namespace {

// Hidden names, which no project can have; start-up removes them when a transfer was cut off.
const char transferFileTemplate[] = ".transfer-XXXXXX.zip";
const char importFolderTemplate[] = ".import-XXXXXX";

bool isUsableProjectFolder(const QString &root, const QString &folder)
{
    return isValidProjectName(folder) && QFileInfo(QString("%1/%2/%2.db3").arg(root, folder)).isFile();
}

} // namespace

QString exchangeServerUrl(const QString &path)
{
    QString address;
    readIniSetting("project", "exchange_server", address);
    address = address.trimmed();
    if (address.isEmpty())
        return QString();
    return QString("http://%1:%2%3").arg(address).arg(ExchangeServerPort).arg(path);
}

QString makeTransferCode()
{
    using namespace std::chrono;
    const auto micros = duration_cast<microseconds>(system_clock::now().time_since_epoch()).count();
    return QString::number(micros).right(4);
}

std::unique_ptr<QTemporaryFile> makeTransferArchive()
{
    QDir().mkpath(databaseFolderPath());
    std::unique_ptr<QTemporaryFile> file(new QTemporaryFile(databaseFolderPath() + transferFileTemplate));
    if (!file->open())
        return nullptr;
    file->close();
    return file;
}

QStringList findProjectDirs(const QString &dir)
{
    return QDir(dir).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
}

ImportResult importProjectArchive(const QString &zipPath, QStringList *added, QStringList *skipped)
{
    const QString databaseFolder = databaseFolderPath();
    // Every failure to write below is told as a full disk when the disk has no room left.
    const auto writeFailure = [&databaseFolder] {
        return noRoomForArchives(databaseFolder) ? ImportResult::DiskFull : ImportResult::WriteFailed;
    };
    QDir().mkpath(databaseFolder);
    QTemporaryDir unpacked(databaseFolder + importFolderTemplate);
    if (!unpacked.isValid())
        return writeFailure();
    ArchiveFailure failure = ArchiveFailure::None;
    if (!extractProjectArchive(zipPath, unpacked.path(), &failure)) {
        if (failure == ArchiveFailure::NoRoom)
            return ImportResult::DiskFull;
        return failure == ArchiveFailure::WriteFailed ? writeFailure() : ImportResult::InvalidArchive;
    }

    QStringList folders;
    const QStringList entries =
        QDir(unpacked.path())
            .entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString &folder : entries) {
        if (isUsableProjectFolder(unpacked.path(), folder))
            folders.append(folder);
        else if (skipped)
            skipped->append(folder);
    }
    if (folders.isEmpty())
        return ImportResult::InvalidArchive;

    for (const QString &folder : folders) {
        const QString name = unusedProjectName(folder);
        const QString prepared = unpacked.path() + "/" + folder;
        bool ok = name == folder ||
                  QFile::rename(QString("%1/%2.db3").arg(prepared, folder), QString("%1/%2.db3").arg(prepared, name));
        ok = ok && adoptProjectFolder(prepared, name);
        if (!ok) {
            qWarning() << "Could not import the project" << folder << "as" << name;
            return writeFailure();
        }
        if (added)
            added->append(name);
    }
    return ImportResult::Imported;
}

QGridLayout *layOutTransferDialog(MyDialog *dialog, QtMaterialLabel *status, const QString &picture, QWidget *hint,
                                  QWidget *first, QWidget *second)
{
    status->setObjectName("labelStatus");
    auto *closeButton = new QtMaterialIconButton(QtMaterialTheme::icon("navigation", "close"), nullptr);
    closeButton->setObjectName("pushButtonClose");
    closeButton->setColor(Qt::white);
    QObject::connect(closeButton, &QtMaterialIconButton::clicked, dialog, &MyDialog::close);
    auto *top = new QGridLayout;
    top->setSizeConstraint(QLayout::SetNoConstraint);
    top->setSpacing(20);
    top->addWidget(status, 0, 0);
    top->addWidget(closeButton, 0, 1, Qt::AlignRight | Qt::AlignTop);
    top->setRowStretch(1, 1);

    auto *pictureLabel = new QLabel(nullptr);
    pictureLabel->setFixedSize(40, 40);
    pictureLabel->setScaledContents(true);
    pictureLabel->setPixmap(picturePixmap(picture));

    if (auto *button = qobject_cast<QtMaterialFlatButton *>(first))
        button->setBackgroundColor(QColor("#E35151"));
    auto *buttons = new QHBoxLayout;
    buttons->setSizeConstraint(QLayout::SetNoConstraint);
    buttons->addWidget(first);
    buttons->addWidget(second);

    auto *mainLayout = new QGridLayout;
    mainLayout->setSizeConstraint(QLayout::SetNoConstraint);
    mainLayout->setSpacing(20);
    mainLayout->addLayout(top, 0, 0);
    mainLayout->addWidget(pictureLabel, 1, 0, Qt::AlignCenter);
    mainLayout->addWidget(hint, 2, 0, Qt::AlignCenter);
    mainLayout->addLayout(buttons, 4, 0);
    mainLayout->setRowStretch(5, 1);
    dialog->setLayout(mainLayout);
    return mainLayout;
}
