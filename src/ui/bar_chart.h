#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

namespace quorlin {

// A chart of one category and one series, painted by hand: a title on top, the value axis on the left,
// the bar with its value text above it and the category name below it, a legend swatch on the right.
class BarChart : public QWidget {
  Q_OBJECT

 public:
  struct Config {
    QString title;
    QString category;
    QColor seriesColour;
    double axisMaximum = 100;
    int axisSteps = 10;
    int decimals = 2;
    QString tipTemplate;  // every "${v}" shows the value text
  };

  static constexpr double kMaximumValue = 10'000'000;

  explicit BarChart(Config config, QWidget* parent = nullptr);

  // Below 0 or not a number stores 0; above kMaximumValue stores kMaximumValue.
  void SetValue(double value);
  double Value() const { return value_; }

  QString ValueText() const;
  QString TipText() const;
  const Config& config() const { return config_; }

  // Where the bar is drawn, in widget coordinates; empty when the value is 0.
  QRect BarRect() const;
  QRect PlotRect() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool event(QEvent* event) override;

 private:
  int AxisLabelWidth() const;
  int LegendWidth() const;

  Config config_;
  double value_ = 0;
};

}  // namespace quorlin
