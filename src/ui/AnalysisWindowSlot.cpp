#include "ui/AnalysisWindowSlot.h"

#include "ui/QtText.h"

#include <QLabel>
#include <QVBoxLayout>

namespace torval {

namespace {

QString row(const char* label, const std::string& value) {
    return QStringLiteral("<tr><td>%1</td><td><b>%2</b></td></tr>")
        .arg(QString::fromLatin1(label), qText(value).toHtmlEscaped());
}

} // namespace

AnalysisSlotWindow::AnalysisSlotWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), summary_(new QLabel) {
    setWindowTitle(QStringLiteral("RISK ASSESSMENT"));
    summary_->setTextFormat(Qt::RichText);
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    resize(520, 240);
}

void AnalysisSlotWindow::showAnalysis(const AppState& state) {
    const ModelDataSet& data = state.modelData;
    const RiskInput& input = state.riskInput;
    QString text = QStringLiteral("<p>The analysis is loaded; the analysis window will show it "
                                  "here.</p><table>");
    text += row("Model:", data.ModelName);
    text += row("Data file:", data.DataFileName.empty() ? "Not Specified" : data.DataFileName);
    text += row("Analysis file:", input.FileName);
    text += row("Concentration unit:", data.ConcentrationUnit);
    text += row("Analysis state:", std::to_string(state.AnalysisState));
    text += QStringLiteral("</table>");
    summary_->setText(text);
}

void AnalysisWindowSlot::show(AppState& state) {
    if (window_ == nullptr) {
        window_ = new AnalysisSlotWindow(parent_);
        window_->setAttribute(Qt::WA_DeleteOnClose);
    }
    window_->showAnalysis(state);
    window_->show();
    window_->raise();
}

} // namespace torval
