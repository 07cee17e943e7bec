#include "ResultPages.h"

#include "LineCursor.h"
#include "shell/TextEncoding.h"
#include "shell/NumberText.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>

namespace torval::charton {

namespace {

const QString IntakeUnit = QStringLiteral("mg/(kg-day)");

QString text(const std::string& bytes) {
    return QString::fromStdString(fromFileText(bytes)); // the results file is Windows-1252 or UTF-8
}

// Seven significant digits: more than the intakes of the results file carry.
QString figure(double value) {
    return std::isnan(value) ? QStringLiteral("\u2014") : QString::number(value, 'g', 7);
}

QTableWidget* table(const QString& name, const std::vector<std::pair<QString, QString>>& rows) {
    auto* widget = new QTableWidget(static_cast<int>(rows.size()), 1);
    widget->setObjectName(name);
    widget->setHorizontalHeaderLabels({name});
    widget->horizontalHeader()->setStretchLastSection(true);
    widget->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        const auto& [label, value] = rows[static_cast<std::size_t>(row)];
        widget->setVerticalHeaderItem(row, new QTableWidgetItem(label));
        auto* item = new QTableWidgetItem(value);
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        widget->setItem(row, 0, item);
    }
    widget->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    widget->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    widget->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    widget->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    widget->setMinimumWidth(260);
    return widget;
}

QTableWidget* statisticsTable(const Summary& s) {
    return table(QObject::tr("Statistics"),
                 {{QStringLiteral("n"), QString::number(s.n)},
                  {QObject::tr("Minimum"), figure(s.minimum)},
                  {QObject::tr("P5"), figure(s.p5)},
                  {QObject::tr("Median"), figure(s.median)},
                  {QObject::tr("Mean"), figure(s.mean)},
                  {QObject::tr("Geometric mean"), figure(s.geometricMean)},
                  {QObject::tr("P95"), figure(s.p95)},
                  {QObject::tr("Maximum"), figure(s.maximum)},
                  {QObject::tr("Standard deviation"), figure(s.standardDeviation)}});
}

// The tables and texts beside a chart, kept narrow so the chart gets the width.
QWidget* sidePanel(QVBoxLayout* side, int width) {
    auto* panel = new QWidget;
    panel->setLayout(side);
    panel->setMaximumWidth(width);
    side->setContentsMargins(0, 0, 0, 0);
    return panel;
}

QLabel* headerPanel(const ConcentrationsResults& results) {
    QString html = QStringLiteral("<b>%1</b><table cellspacing=\"0\" cellpadding=\"1\">")
                       .arg(text(results.title).toHtmlEscaped());
    for (const HeaderItem& item : results.header) {
        if (item.value.empty()) {
            continue; // a unit line the analysis leaves empty
        }
        html += QStringLiteral("<tr><td>%1</td><td>&nbsp;%2</td></tr>")
                    .arg(text(item.label).toHtmlEscaped(), text(item.value).toHtmlEscaped());
    }
    auto* label = new QLabel(html + QStringLiteral("</table>"));
    label->setObjectName(QStringLiteral("header"));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    return label;
}

} // namespace

QString numberText(double value) {
    return QString::fromStdString(generalText(value));
}

ConcentrationsPage::ConcentrationsPage(const ConcentrationsResults& results, QWidget* parent)
    : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    auto* side = new QVBoxLayout;
    side->addWidget(headerPanel(results));
    if (!results.monteCarlo) {
        auto* intake =
            new QLabel(tr("Chemical Intake: %1 %2").arg(numberText(results.intake), IntakeUnit));
        intake->setObjectName(QStringLiteral("intake"));
        QFont font = intake->font();
        font.setPointSizeF(font.pointSizeF() * 1.5);
        intake->setFont(font);
        side->addWidget(intake);
        side->addStretch();
        layout->addWidget(sidePanel(side, 720));
        layout->addStretch();
        return;
    }
    view_ = new DistributionView(results.intakes, std::nullopt, tr("Intake (%1)").arg(IntakeUnit));
    side->addWidget(statisticsTable(view_->summary()));
    auto* box = new QGroupBox(tr("Reference dose (%1)").arg(IntakeUnit));
    auto* form = new QFormLayout(box);
    threshold_ = new QLineEdit;
    threshold_->setObjectName(QStringLiteral("threshold"));
    threshold_->setPlaceholderText(QStringLiteral("0.001"));
    thresholdResult_ = new QLabel;
    thresholdResult_->setObjectName(QStringLiteral("thresholdResult"));
    thresholdResult_->setWordWrap(true);
    form->addRow(tr("Threshold:"), threshold_);
    form->addRow(thresholdResult_);
    side->addWidget(box);
    side->addStretch();
    layout->addWidget(sidePanel(side, 540));
    layout->addWidget(view_, 1);
    connect(threshold_, &QLineEdit::textChanged, this,
            [this](const QString& value) { thresholdChanged(value); });
}

void ConcentrationsPage::thresholdChanged(const QString& value) {
    double dose = 0;
    if (!readNumber(value.toStdString(), dose) || !(dose > 0)) {
        thresholdResult_->setText(value.trimmed().isEmpty() ? QString()
                                                            : tr("Enter a dose above 0."));
        view_->setThreshold(std::nullopt);
        return;
    }
    const Summary& s = view_->summary();
    const double fraction = fractionAbove(view_->values(), dose);
    thresholdResult_->setText(
        tr("Above the threshold: %1 % of %2 iterations\nHazard quotient of the mean: %3\n"
           "Hazard quotient of P95: %4")
            .arg(QString::number(fraction * 100, 'g', 4))
            .arg(s.n)
            .arg(figure(s.mean / dose), figure(s.p95 / dose)));
    view_->setThreshold(dose);
}

VariantPage::VariantPage(const GeneratedVariant& variant, QWidget* parent) : QWidget(parent) {
    const VariantInputs& in = variant.inputs;
    const VariantOutputs& out = variant.outputs;
    auto* side = new QVBoxLayout;
    side->addWidget(table(tr("Input data"), {{tr("Distribution"), text(in.distribution)},
                                             {tr("Mean"), numberText(in.mean)},
                                             {tr("Variance"), numberText(in.variance)},
                                             {tr("Minimum"), numberText(in.minimum)},
                                             {tr("Maximum"), numberText(in.maximum)},
                                             {tr("Terms"), QString::fromStdString(in.terms)}}));
    side->addWidget(
        table(tr("Output data"), {{tr("Arithmetic mean"), numberText(out.arithmeticMean)},
                                  {tr("Geometric mean"), numberText(out.geometricMean)},
                                  {tr("Median"), numberText(out.median)},
                                  {tr("Minimum"), numberText(out.minimum)},
                                  {tr("Maximum"), numberText(out.maximum)},
                                  {tr("Standard deviation"), numberText(out.standardDeviation)}}));
    view_ = new DistributionView(variant.values, TruncatedDensity::of(in), text(variant.name));
    side->addWidget(statisticsTable(view_->summary()));
    side->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(sidePanel(side, 340));
    layout->addWidget(view_, 1);
}

} // namespace torval::charton
