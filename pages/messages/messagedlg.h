#pragma once
// The message dialog: staff deal with one message-log entry, giving it a status and a remark. Modal, opened from
// a message row with a copy of the row's record.

#include "devicelink/messagerecords.h"
#include "shell/mydialog.h"

#include <functional>

class MessageForm;

class MessageDlg : public MyDialog
{
    Q_OBJECT

public:
    explicit MessageDlg(QWidget *parent);
    ~MessageDlg() override;

    // Set by the opener before showRecord; after an accepted run it holds what was written.
    messageRecord record;

    void showRecord();
    MessageForm *form() const { return messageForm; }

    // Accepted after "Ok" has written the record; Rejected after "Cancel" or the close icon.
    int exec() override;

    // Test seam: while a hook is set, exec() does not show the dialog but returns what the hook returns. The hook
    // may fill the form and press the buttons (findChild by object name).
    using ExecHook = std::function<int(MessageDlg &dialog)>;
    static void setExecHook(const ExecHook &hook);

public slots:
    // Writes, tells the panel, announces and accepts; when the entry is gone or cannot be saved the dialog
    // stays open and says so.
    void pushButtonOk_clicked();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    MessageForm *messageForm = nullptr;
};
