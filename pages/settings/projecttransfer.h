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
    WriteFailed     // a project folder could not be written; the projects before it were added
};

// Adds every usable project folder of the archive (a valid name and its <name>.db3 inside) as a new project
// under a free name: the folder name, else "<name>_<n>" with the lowest n not listed and without a folder.
// Each folder is copied straight to its new place and listed only once it has arrived whole. The archive is
// unpacked into a hidden temporary folder that is removed again. added receives the new names in order.
ImportResult importProjectArchive(const QString &zipPath, QStringList *added = nullptr);
