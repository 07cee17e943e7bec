#pragma once
// Writing a chart out: image, vector and PDF files, plain text files and the printer. Files are
// written beside their target and renamed over it, so a failed export leaves the previous file
// intact. Each returns an empty text on success and the reason otherwise.

#include <QByteArray>
#include <QString>

class QChartView;
class QWidget;

namespace torval::charton {

QString saveChartPng(QChartView& view, const QString& path);
QString saveChartSvg(QChartView& view, const QString& path);
QString saveChartPdf(QChartView& view, const QString& path);

// The format the name's ending asks for: ".svg" and ".pdf" (in any letter case), PNG otherwise.
QString saveChart(QChartView& view, const QString& path);
QString saveText(const QByteArray& text, const QString& path);
void printChartView(QChartView& view, QWidget* parent);

} // namespace torval::charton
