#include "ChartOutput.h"

#include <QChartView>
#include <QDir>
#include <QPainter>
#include <QPdfWriter>
#include <QPixmap>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
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
