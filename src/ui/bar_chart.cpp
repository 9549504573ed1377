#include "ui/bar_chart.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>
#include <cmath>

namespace quorlin {
namespace {

constexpr int kMargin = 4;
constexpr int kSwatch = 10;

}  // namespace

BarChart::BarChart(Config config, QWidget* parent) : QWidget(parent), config_(std::move(config)) {
  setAutoFillBackground(false);
}

void BarChart::SetValue(double value) {
  // `!(value >= 0)` also catches not-a-number.
  if (!(value >= 0)) value = 0;
  value_ = std::min(value, kMaximumValue);
  update();
}

QString BarChart::ValueText() const { return QString::number(value_, 'f', config_.decimals); }

QString BarChart::TipText() const {
  QString tip = config_.tipTemplate;
  return tip.replace(QStringLiteral("${v}"), ValueText());
}

int BarChart::AxisLabelWidth() const {
  return fontMetrics().horizontalAdvance(QString::number(config_.axisMaximum)) + kMargin;
}

int BarChart::LegendWidth() const { return kSwatch + 2 * kMargin; }

QRect BarChart::PlotRect() const {
  const int line = fontMetrics().height();
  // Room above the plot for the title and for the value text of a full bar; below it for the category.
  const int top = kMargin + line + kMargin + line;
  const int left = kMargin + AxisLabelWidth() + kMargin;
  const int right = width() - LegendWidth() - kMargin;
  const int bottom = height() - kMargin - line - kMargin;
  return QRect(QPoint(left, top), QPoint(right, bottom));
}

QRect BarChart::BarRect() const {
  const QRect plot = PlotRect();
  const double share = config_.axisMaximum > 0 ? std::min(value_ / config_.axisMaximum, 1.0) : 0.0;
  const int barHeight = static_cast<int>(std::lround(share * plot.height()));
  if (barHeight <= 0) return {};
  const int barWidth = plot.width() / 2;
  return QRect(plot.left() + (plot.width() - barWidth) / 2, plot.bottom() + 1 - barHeight, barWidth,
               barHeight);
}

void BarChart::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QFontMetrics metrics = fontMetrics();
  const int line = metrics.height();
  const QRect plot = PlotRect();

  painter.fillRect(rect(), palette().window());
  painter.setPen(palette().color(QPalette::Mid));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));

  painter.setPen(palette().color(QPalette::WindowText));
  painter.drawText(QRect(0, kMargin, width(), line), Qt::AlignHCenter | Qt::AlignVCenter, config_.title);

  painter.fillRect(plot, Qt::white);
  const int steps = std::max(config_.axisSteps, 1);
  for (int step = 0; step <= steps; ++step) {
    const int y = plot.bottom() - static_cast<int>(std::lround(double(step) * plot.height() / steps));
    painter.setPen(step == 0 ? palette().color(QPalette::WindowText) : QColor(220, 220, 220));
    painter.drawLine(plot.left(), y, plot.right(), y);
    if (step == 0) continue;
    painter.setPen(palette().color(QPalette::WindowText));
    const QString label = QString::number(config_.axisMaximum * step / steps);
    painter.drawText(QRect(kMargin, y - line / 2, AxisLabelWidth(), line), Qt::AlignRight | Qt::AlignVCenter,
                     label);
  }
  painter.drawLine(plot.left(), plot.top(), plot.left(), plot.bottom());

  const QRect bar = BarRect();
  const int barCentre = plot.left() + plot.width() / 2;
  if (!bar.isEmpty()) {
    painter.fillRect(bar, config_.seriesColour);
    painter.setPen(config_.seriesColour.darker(160));
    painter.drawRect(bar.adjusted(0, 0, -1, -1));
  }
  painter.setPen(palette().color(QPalette::WindowText));
  const int valueBottom = bar.isEmpty() ? plot.bottom() : bar.top();
  const int textWidth = std::max(metrics.horizontalAdvance(ValueText()), plot.width());
  painter.drawText(QRect(barCentre - textWidth / 2, valueBottom - line - 1, textWidth, line),
                   Qt::AlignHCenter | Qt::AlignBottom, ValueText());
  painter.drawText(QRect(plot.left(), plot.bottom() + kMargin, plot.width(), line),
                   Qt::AlignHCenter | Qt::AlignTop, config_.category);

  const QRect swatch(width() - LegendWidth() + kMargin, plot.center().y() - kSwatch / 2, kSwatch, kSwatch);
  painter.fillRect(swatch, config_.seriesColour);
  painter.setPen(palette().color(QPalette::WindowText));
  painter.drawRect(swatch.adjusted(0, 0, -1, -1));
}

bool BarChart::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QWidget::event(event);
  auto* help = static_cast<QHelpEvent*>(event);
  const QRect bar = BarRect();
  if (bar.contains(help->pos())) {
    QToolTip::showText(help->globalPos(), TipText(), this, bar);
  } else {
    QToolTip::hideText();
    event->ignore();
  }
  return true;
}

}  // namespace quorlin
