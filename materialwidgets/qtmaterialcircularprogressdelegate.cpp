#include "materialwidgets/qtmaterialcircularprogressdelegate.h"

#include "materialwidgets/qtmaterialcircularprogress.h"

QtMaterialCircularProgressDelegate::QtMaterialCircularProgressDelegate(QtMaterialCircularProgress *parent)
    : QObject(parent), m_progress(parent)
{
}

QtMaterialCircularProgressDelegate::~QtMaterialCircularProgressDelegate() = default;

void QtMaterialCircularProgressDelegate::setDashOffset(qreal offset)
{
    m_dashOffset = offset;
    m_progress->update();
}

void QtMaterialCircularProgressDelegate::setDashLength(qreal length)
{
    m_dashLength = length;
    m_progress->update();
}

void QtMaterialCircularProgressDelegate::setAngle(int angle)
{
    m_angle = angle;
    m_progress->update();
}
