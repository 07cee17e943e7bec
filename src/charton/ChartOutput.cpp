#include "ChartOutput.h"

#include <QChartView>
#include <QDir>
#include <QPainter>
#include <QPdfWriter>
#include <QPixmap>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <functional>

namespace torval::charton {

namespace {

QString failure(const QString& path, const QString& reason) {
    return QObject::tr("Cannot write %1:\n%2").arg(QDir::toNativeSeparators(path), reason);
}

QString replaceFile(const QString& path, const std::function<bool(QSaveFile&)>& write) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return failure(path, file.errorString());
    }
    if (!write(file)) {
        file.cancelWriting();
        return failure(path, QObject::tr("the content could not be written"));
    }
    if (!file.commit()) {
        return failure(path, file.errorString());
    }
    return {};
}

void renderInto(QChartView& view, QPainter& painter) {
    view.render(&painter, QRectF(painter.viewport()), view.viewport()->rect());
}

} // namespace

QString saveChartPng(QChartView& view, const QString& path) {
    const QPixmap image = view.grab();
    return replaceFile(path, [&image](QSaveFile& file) { return image.save(&file, "PNG"); });
}

QString saveChartSvg(QChartView& view, const QString& path) {
    return replaceFile(path, [&view](QSaveFile& file) {
        const QSize size = view.viewport()->size();
        QSvgGenerator generator;
        generator.setOutputDevice(&file);
        generator.setSize(size);
        generator.setViewBox(QRect(QPoint(0, 0), size));
        generator.setTitle(view.chart()->title());
        QPainter painter;
        if (!painter.begin(&generator)) {
            return false;
        }
        renderInto(view, painter);
        return painter.end();
    });
}

QString saveChartPdf(QChartView& view, const QString& path) {
    return replaceFile(path, [&view](QSaveFile& file) {
        QPdfWriter writer(&file);
        writer.setPageOrientation(QPageLayout::Landscape);
        writer.setResolution(150);
        QPainter painter;
        if (!painter.begin(&writer)) {
            return false;
        }
        renderInto(view, painter);
        return painter.end();
    });
}

QString saveChart(QChartView& view, const QString& path) {
    if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        return saveChartSvg(view, path);
    }
    if (path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
        return saveChartPdf(view, path);
    }
    return saveChartPng(view, path);
}

QString saveText(const QByteArray& text, const QString& path) {
    return replaceFile(path, [&text](QSaveFile& file) { return file.write(text) == text.size(); });
}

void printChartView(QChartView& view, QWidget* parent) {
    QPrinter printer;
    printer.setPageOrientation(QPageLayout::Landscape);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    QPainter painter;
    if (painter.begin(&printer)) {
        renderInto(view, painter);
        painter.end();
    }
}

} // namespace torval::charton
