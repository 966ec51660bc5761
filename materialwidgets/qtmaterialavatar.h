#pragma once
// A round avatar: a letter or a tinted icon on a coloured disc, or an image clipped to a circle.

#include <QImage>
#include <QScopedPointer>
#include <QWidget>

class QtMaterialAvatarPrivate;

class QtMaterialAvatar : public QWidget
{
    Q_OBJECT

    Q_PROPERTY(QColor textColor WRITE setTextColor READ textColor)
    Q_PROPERTY(QColor backgroundColor WRITE setBackgroundColor READ backgroundColor)

public:
    // What the avatar shows.
    enum Kind { ImageAvatar = 0, IconAvatar = 1, LetterAvatar = 2 };

    explicit QtMaterialAvatar(QWidget *parent = nullptr);
    explicit QtMaterialAvatar(const QIcon &icon, QWidget *parent = nullptr);
    explicit QtMaterialAvatar(const QChar &letter, QWidget *parent = nullptr);
    explicit QtMaterialAvatar(const QImage &image, QWidget *parent = nullptr);
    ~QtMaterialAvatar() override;

    void setUseThemeColors(bool value);
    bool useThemeColors() const;

    void setTextColor(const QColor &color);
    QColor textColor() const;

    void setBackgroundColor(const QColor &color);
    QColor backgroundColor() const;

    QSize sizeHint() const override;

    // Diameter of the disc in pixels; the letter's font follows it (16 pt at 40 px).
    void setSize(int size);
    int size() const;

    void setLetter(const QChar &letter);
    QChar letter() const;

    void setImage(const QImage &image);
    QImage image() const;

    void setIcon(const QIcon &icon);
    QIcon icon() const;

    int kind() const;

    // The image as last scaled to the disc; kept when the content changes to a letter or an icon.
    QPixmap scaledPixmap() const;

protected:
    void paintEvent(QPaintEvent *event) override;

    const QScopedPointer<QtMaterialAvatarPrivate> d_ptr;

private:
    Q_DISABLE_COPY(QtMaterialAvatar)
    Q_DECLARE_PRIVATE(QtMaterialAvatar)
};
