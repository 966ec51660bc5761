#include "pages/settings/projecttransfer.h"

#include "core/appsettings.h"
#include "core/projectfolders.h"
#include "core/projectlist.h"
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

// Hidden names: project names come from the list, and findProjectDirs and copyDirectory pass hidden entries by.
const char transferFileTemplate[] = ".transfer-XXXXXX.zip";
const char importFolderTemplate[] = ".import-XXXXXX";

bool nameTaken(const QStringList &taken, const QString &name)
{
    // A folder left on disk by an unlisted project would otherwise be merged with the arriving one.
    return taken.contains(name) || QFileInfo::exists(projectFolderPath(name));
}

QString freeName(const QString &folder, const QStringList &taken)
{
    QString candidate = folder;
    for (int n = 1; nameTaken(taken, candidate); ++n)
        candidate = QString::asprintf("%s_%d", qUtf8Printable(folder), n);
    return candidate;
}

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

ImportResult importProjectArchive(const QString &zipPath, QStringList *added)
{
    QDir().mkpath(databaseFolderPath());
    QTemporaryDir unpacked(databaseFolderPath() + importFolderTemplate);
    if (!unpacked.isValid() || !extractProjectArchive(zipPath, unpacked.path()))
        return ImportResult::InvalidArchive;

    QStringList folders;
    for (const QString &folder : findProjectDirs(unpacked.path())) {
        if (isUsableProjectFolder(unpacked.path(), folder))
            folders.append(folder);
    }
    if (folders.isEmpty())
        return ImportResult::InvalidArchive;

    QStringList taken;
    getProjectNames(taken);
    int imported = 0;
    for (const QString &folder : folders) {
        const QString name = freeName(folder, taken);
        taken.append(name);
        const QString target = projectFolderPath(name);
        bool ok = copyDirectory(unpacked.path() + "/" + folder, target, false);
        if (ok && name != folder)
            ok = QFile::rename(QString("%1/%2.db3").arg(target, folder), QString("%1/%2.db3").arg(target, name));
        if (ok)
            ok = addProject(name);
        if (!ok) {
            qDebug() << "Could not import the project" << folder << "as" << name;
            QDir(target).removeRecursively();
            return ImportResult::WriteFailed;
        }
        ++imported;
        if (added)
            added->append(name);
    }
    return imported ? ImportResult::Imported : ImportResult::InvalidArchive;
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
    pictureLabel->setPixmap(QPixmap(picture));

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
