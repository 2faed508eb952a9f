// The spin button's arrows, buddy and stepping.
#include "gui/qt/SpinWidget_p.h"

#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "gui/qt/DialogState_p.h"
#include "gui/qt/EditWidget_p.h"
#include "gui/qt/Toolkit_p.h"

namespace fw {

namespace {

// The spin covers the buddy's right border, so that the two look as one.
constexpr int kBuddyBorderOverlap = 2;

QToolButton* MakeArrow(Qt::ArrowType arrow, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRepeat(true);
    button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    return button;
}

// Leading blanks, an optional sign, decimal digits and nothing else, as
// strtol takes it; beyond the int range counts as not a number.
std::optional<int> ParseBuddyInt(const std::string& text)
{
    std::size_t at = text.find_first_not_of(" \t");
    if (at == std::string::npos)
        return std::nullopt;
    if (text[at] == '+')
        ++at;
    std::int64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data() + at, end, value);
    if (error != std::errc() || stop != end)
        return std::nullopt;
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(value);
}

}  // namespace

SpinWidget::SpinWidget(QWidget* dialog) : QWidget(dialog)
{
    setFocusPolicy(Qt::NoFocus);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    QToolButton* up = MakeArrow(Qt::UpArrow, this);
    QToolButton* down = MakeArrow(Qt::DownArrow, this);
    layout->addWidget(up);
    layout->addWidget(down);
    // A step on pressing, and again while the arrow is held.
    connect(up, &QToolButton::pressed, this, [this] { Step(1); });
    connect(down, &QToolButton::pressed, this, [this] { Step(-1); });
}

void SpinWidget::AttachBuddy(EditWidget* buddy)
{
    m_buddy = buddy;
    if (!buddy)
        return;
    buddy->SetSpin(this);
    const QRect place = buddy->geometry();
    const int overlap = buddy->hasFrame() ? kBuddyBorderOverlap : 0;
    const int buddyWidth = std::max(0, place.width() - width() + overlap);
    buddy->resize(buddyWidth, place.height());
    setGeometry(place.left() + buddyWidth - overlap, place.top(), width(), place.height());
}

void SpinWidget::SetRange(int lower, int upper)
{
    m_lower = lower;
    m_upper = upper;
}

int SpinWidget::SetPosition(int position)
{
    const int previous = m_position;
    m_position = std::clamp(position, std::min(m_lower, m_upper), std::max(m_lower, m_upper));
    WriteBuddy();
    return previous;
}

int SpinWidget::Position()
{
    SyncFromBuddy();
    return m_position;
}

void SpinWidget::SyncFromBuddy()
{
    if (!m_buddy)
        return;
    const std::optional<int> value = ParseBuddyInt(FromQString(m_buddy->text()));
    if (value && *value >= std::min(m_lower, m_upper) && *value <= std::max(m_lower, m_upper))
        m_position = *value;
}

void SpinWidget::WriteBuddy()
{
    if (m_buddy)
        m_buddy->SetProgramText(QString::number(m_position));
}

int SpinWidget::SteppedPosition(int delta) const
{
    // A range given upside down still steps "up" towards its upper end.
    const int step = m_lower <= m_upper ? delta : -delta;
    const int low = std::min(m_lower, m_upper);
    const int high = std::max(m_lower, m_upper);
    const std::int64_t stepped = static_cast<std::int64_t>(m_position) + step;
    // Past either end the value wraps; a value that was outside the range
    // lands on the end it left from, so a step always ends inside.
    if (stepped > high)
        return step > 0 ? low : high;
    if (stepped < low)
        return step < 0 ? high : low;
    return static_cast<int>(stepped);
}

void SpinWidget::Step(int delta)
{
    if (!isEnabled())
        return;
    SyncFromBuddy();
    QPointer<SpinWidget> alive(this);
    NotifyControl(*this, UDN_DELTAPOS);
    if (!alive)
        return;
    m_position = SteppedPosition(delta);
    WriteBuddy();
}

}  // namespace fw
