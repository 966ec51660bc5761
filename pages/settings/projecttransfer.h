#pragma once
// What both project-transfer dialogs share: their frame, the exchange server's address, the transfer code, the
// temporary files of a transfer and the import of a received archive.

#include <QString>
#include <QStringList>

#include <memory>

class MyDialog;
class QGridLayout;
class QTemporaryFile;
class QWidget;
class QtMaterialLabel;

// Lays out a transfer dialog: the status line (12 pt, "labelStatus") with
// the close button at the top, the picture, the hint, row 3 left for the caller, and the first button (in the
// accent red) beside the second. Returns the dialog's grid.
QGridLayout *layOutTransferDialog(MyDialog *dialog, QtMaterialLabel *status, const QString &picture, QWidget *hint,
                                  QWidget *first, QWidget *second);

// The project-exchange server's port; its address is the ini setting project/exchange_server.
constexpr int ExchangeServerPort = 6001;

// "http://<exchange_server>:6001" + path, or an empty text while no server is set.
QString exchangeServerUrl(const QString &path);

// The last four digits of the microseconds since 1970, leading zeros kept.
QString makeTransferCode();

// An empty archive file in the database folder under a hidden name that no project can have; it is removed
// when the object goes. Null when it cannot be made.
std::unique_ptr<QTemporaryFile> makeTransferArchive();

// The non-hidden sub-folders of dir, sorted without regard to case.
QStringList findProjectDirs(const QString &dir);

// Outcome of importProjectArchive.
enum class ImportResult {
    Imported,       // at least one project was added
    InvalidArchive, // nothing added: no archive, a refused one, or no usable project folder in it
    WriteFailed,    // a project folder could not be written; the projects before it were added
    DiskFull        // the disk had no room for the projects; the projects before it were added
};

// Adds every usable project folder of the archive (a valid name and its <name>.db3 inside) as a new project
// under a free name (unusedProjectName): the folder name, else "<name>_<n>". The archive is unpacked into a
// hidden temporary folder in the database folder, where each project is made ready (its database renamed with
// it); it then takes its place under its new name in one rename and is listed at once (adoptProjectFolder), so
// no project folder is ever seen in part. What an interrupted import leaves is finished or removed at the next
// start. added receives the new names in order, skipped the names of the archive's folders that are no usable
// project (hidden ones included), sorted as the folders are.
ImportResult importProjectArchive(const QString &zipPath, QStringList *added = nullptr, QStringList *skipped = nullptr);
