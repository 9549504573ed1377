#include "ui/bar_chart.h"

#include <gtest/gtest.h>

#include <QHelpEvent>
#include <QToolTip>
#include <cmath>
#include <limits>

#include "ui_test_support.h"

namespace quorlin {
namespace {

BarChart::Config OverallConfig() {
  return {QStringLiteral("总进度柱状图"), QStringLiteral("总进度"), QColor(0, 255, 0), 100, 10, 2,
          QStringLiteral("${v}")};
}

TEST(BarChartTest, SetValueClampsAndShowsTwoDecimals) {
  constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
  constexpr double kInf = std::numeric_limits<double>::infinity();
  struct Row {
    double value;
    double stored;
    const char* text;
  };
  const Row rows[] = {
      {0, 0, "0.00"},
      {66.7, 66.7, "66.70"},
      {6.3, 6.3, "6.30"},
      {100, 100, "100.00"},
      {150, 150, "150.00"},
      {-0.5, 0, "0.00"},
      {-kInf, 0, "0.00"},
      {kNan, 0, "0.00"},
      {-kNan, 0, "0.00"},
      {1e7, 1e7, "10000000.00"},
      {1e7 + 1, 1e7, "10000000.00"},
      {kInf, 1e7, "10000000.00"},
  };
  BarChart chart(OverallConfig());
  for (const Row& row : rows) {
    SCOPED_TRACE(row.value);
    chart.SetValue(row.value);
    EXPECT_EQ(chart.Value(), row.stored);
    EXPECT_EQ(chart.ValueText(), row.text);
    EXPECT_EQ(chart.TipText(), row.text);
  }
}

TEST(BarChartTest, TheBarIsValueHundredthsOfThePlotAndFullFromTheMaximumOn) {
  BarChart chart(OverallConfig());
  chart.resize(176, 216);
  const QRect plot = chart.PlotRect();
  ASSERT_GT(plot.height(), 50);
  struct Row {
    double value;
    double share;
  };
  for (const Row& row : {Row{0, 0}, Row{25, 0.25}, Row{50, 0.5}, Row{100, 1}, Row{150, 1}, Row{1e7, 1}}) {
    SCOPED_TRACE(row.value);
    chart.SetValue(row.value);
    const QRect bar = chart.BarRect();
    EXPECT_NEAR(bar.height(), row.share * plot.height(), 1);
    if (row.share > 0) {
      EXPECT_EQ(bar.bottom(), plot.bottom());
      EXPECT_TRUE(plot.contains(bar));
    }
  }
}

TEST(BarChartTest, TheTipOverTheBarReadsLikeItsValueText) {
  BarChart::Config config = OverallConfig();
  config.tipTemplate = QStringLiteral("[${v}] ${v}%");
  BarChart chart(config);
  chart.resize(176, 216);
  chart.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&chart));
  chart.SetValue(66.7);
  EXPECT_EQ(chart.TipText(), "[66.70] 66.70%");

  const QPoint onBar = chart.BarRect().center();
  QHelpEvent help(QEvent::ToolTip, onBar, chart.mapToGlobal(onBar));
  QApplication::sendEvent(&chart, &help);
  EXPECT_TRUE(QTest::qWaitFor([] { return QToolTip::isVisible(); }));
  EXPECT_EQ(QToolTip::text(), "[66.70] 66.70%");
  QToolTip::hideText();
}

}  // namespace
}  // namespace quorlin
