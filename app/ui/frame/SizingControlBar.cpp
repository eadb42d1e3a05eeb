// Morvane main window, view and interaction.
// A docking bar for the program's panes that keeps its size per docking side and when floating.
#include "app/ui/frame/SizingControlBar.h"

#include <QMainWindow>
#include <QSettings>

namespace {

const QSize kMinimumSize(33, 32);

struct SizeKeys
{
    const char *width;
    const char *height;
};

constexpr SizeKeys kHorizontalKeys = {"sizeHorzCX", "sizeHorzCY"};
constexpr SizeKeys kVerticalKeys = {"sizeVertCX", "sizeVertCY"};
constexpr SizeKeys kFloatingKeys = {"sizeFloatCX", "sizeFloatCY"};

QSize readSize(const QSettings &profile, const SizeKeys &keys, QSize current)
{
    const QSize read(profile.value(keys.width, current.width()).toInt(),
                     profile.value(keys.height, current.height()).toInt());
    return read.expandedTo(kMinimumSize);
}

void writeSize(QSettings &profile, const SizeKeys &keys, QSize size)
{
    profile.setValue(keys.width, size.width());
    profile.setValue(keys.height, size.height());
}

bool isVerticalArea(Qt::DockWidgetArea area)
{
    return area == Qt::LeftDockWidgetArea || area == Qt::RightDockWidgetArea;
}

} // namespace

CSizingControlBar::CSizingControlBar(const QString &title, QMainWindow *parent, int cx, int cy,
                                     bool gripper, uint32_t id)
    : QDockWidget(title, parent), m_nId(id), m_szHorz(cx, cy), m_szVert(cx, cy), m_szFloat(cx, cy)
{
    setObjectName(QStringLiteral("SCBar-%1").arg(id));
    setMinimumSize(kMinimumSize);
    if (!gripper)
        setTitleBarWidget(new QWidget(this));
}

CSizingControlBar::~CSizingControlBar() = default;

QMainWindow *CSizingControlBar::MainWindow() const
{
    return qobject_cast<QMainWindow *>(parentWidget());
}

void CSizingControlBar::LoadState(const QString &profileName, QSettings &profile)
{
    profile.beginGroup(QStringLiteral("%1-SCBar-%2").arg(profileName).arg(m_nId));
    m_szHorz = readSize(profile, kHorizontalKeys, m_szHorz);
    m_szVert = readSize(profile, kVerticalKeys, m_szVert);
    m_szFloat = readSize(profile, kFloatingKeys, m_szFloat);
    profile.endGroup();
    ApplySize();
}

void CSizingControlBar::SaveState(const QString &profileName, QSettings &profile) const
{
    profile.beginGroup(QStringLiteral("%1-SCBar-%2").arg(profileName).arg(m_nId));
    writeSize(profile, kHorizontalKeys, m_szHorz);
    writeSize(profile, kVerticalKeys, m_szVert);
    writeSize(profile, kFloatingKeys, m_szFloat);
    profile.endGroup();
}

QSize CSizingControlBar::sizeHint() const
{
    if (isFloating() || !MainWindow())
        return m_szFloat;
    return isVerticalArea(MainWindow()->dockWidgetArea(const_cast<CSizingControlBar *>(this)))
               ? m_szVert
               : m_szHorz;
}

void CSizingControlBar::ApplySize()
{
    QMainWindow *window = MainWindow();
    if (isFloating() || !window) {
        resize(m_szFloat);
        return;
    }
    if (isVerticalArea(window->dockWidgetArea(this)))
        window->resizeDocks({this}, {m_szVert.width()}, Qt::Horizontal);
    else
        window->resizeDocks({this}, {m_szHorz.height()}, Qt::Vertical);
}

// The size the user gives the bar becomes the size of its present state; sizes of a bar that is
// not shown are the layout's, not the user's.
void CSizingControlBar::resizeEvent(QResizeEvent *event)
{
    QDockWidget::resizeEvent(event);
    if (!isVisible())
        return;
    if (isFloating() || !MainWindow())
        m_szFloat = size();
    else if (isVerticalArea(MainWindow()->dockWidgetArea(this)))
        m_szVert = size();
    else
        m_szHorz = size();
}
