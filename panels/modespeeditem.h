#pragma once
// The round tile of an air conditioner's mode or fan speed, and the narrow dialog that offers the four choices of
// one kind. Both only show and choose; the panel stores and sends the choice.

#include "shell/dynamicwidget.h"
#include "shell/mydialog.h"

#include <functional>

class QtMaterialGroupBox;

class ModeSpeedItem : public DynamicWidget
{
    Q_OBJECT

public:
    // kind 1: a fan speed (0 auto, 1 high, 2 medium, 3 low); any other kind: a mode (0 cool, 1 heat, 2 fan, 3 auto).
    ModeSpeedItem(int kind, int value, const QString &text, QWidget *parent);

    void setValue(int value);
    int value() const { return currentValue; }
    int kind() const { return tileKind; }
    QString text() const { return caption; }

    // The picture a tile of this kind shows for value; values without a picture of their own show cool or auto.
    static QString picturePath(int kind, int value);
    // The square the picture is drawn into on a tile of size, with or without a caption.
    static QRect pictureRect(const QSize &size, bool withText);

signals:
    void signalsEdit(int value);

public slots:
    void slotsPressed();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const int tileKind;
    int currentValue;
    const QString caption;
};

class ModeSpeedSelectDlg : public MyDialog
{
    Q_OBJECT

public:
    explicit ModeSpeedSelectDlg(QWidget *parent);

    // Fills the dialog with the four tiles of kind; called once, after kind is set.
    void initItems();

    // Accepted only through a tile; the close icon rejects.
    int exec() override;

    // Test seam: while a hook is set, exec() does not show the dialog but returns what the hook returns. The hook
    // may click a tile (findChildren<ModeSpeedItem *>).
    using ExecHook = std::function<int(ModeSpeedSelectDlg &dialog)>;
    static void setExecHook(const ExecHook &hook);

    int kind = 0;
    int selectedValue = 0;

public slots:
    void slotsEdit(int value);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QtMaterialGroupBox *groupBox;
};
