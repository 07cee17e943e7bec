#include "ui/HelpWindow.h"

#include "ui/QtText.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace torval {

namespace {

constexpr int FileRole = Qt::UserRole;

std::vector<HelpTopic> readCatalogue(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray text = file.read(static_cast<qint64>(MaxHelpCatalogueBytes) + 1);
    return parseHelpCatalogue(
        std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
}

} // namespace

HelpWindow::HelpWindow(const QString& helpDirectory, QWidget* parent)
    : QWidget(parent, Qt::Window), directory_(helpDirectory),
      topics_(readCatalogue(QDir(helpDirectory).filePath(qText(CatalogueName)))),
      entries_(helpIndex(topics_)), panes_(new QTabWidget), contents_(new QListWidget),
      search_(new QLineEdit), index_(new QListWidget), browser_(new QTextBrowser) {
    setWindowTitle(qText(Caption));
    for (const HelpTopic& topic : topics_) {
        auto* item = new QListWidgetItem(qText(topic.title), contents_);
        item->setData(FileRole, qText(topic.file));
    }
    auto* indexPane = new QWidget;
    auto* indexLayout = new QVBoxLayout(indexPane);
    indexLayout->setContentsMargins(0, 0, 0, 0);
    search_->setPlaceholderText(QStringLiteral("Type a keyword"));
    indexLayout->addWidget(search_);
    indexLayout->addWidget(index_);
    fillIndex();
    panes_->addTab(contents_, QStringLiteral("Contents"));
    panes_->addTab(indexPane, QStringLiteral("Index"));

    browser_->setSearchPaths({directory_});
    browser_->setOpenExternalLinks(true);

    auto* splitter = new QSplitter;
    splitter->addWidget(panes_);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({270, 610});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter);
    resize(900, 620);

    const auto openItem = [this](QListWidgetItem* item) {
        if (item != nullptr) {
            openPage(item->data(FileRole).toString());
        }
    };
    connect(contents_, &QListWidget::itemClicked, this, openItem);
    connect(contents_, &QListWidget::itemActivated, this, openItem);
    connect(index_, &QListWidget::itemClicked, this, openItem);
    connect(index_, &QListWidget::itemActivated, this, openItem);
    connect(search_, &QLineEdit::textEdited, this, &HelpWindow::searchIndex);
}

void HelpWindow::fillIndex() {
    for (const HelpIndexEntry& entry : entries_) {
        auto* item = new QListWidgetItem(qText(entry.keyword), index_);
        item->setData(FileRole, qText(entry.file));
    }
}

void HelpWindow::searchIndex(const QString& key) {
    const HelpView view = helpViewFor({HelpRequest::PartialKey, stdText(key), 0}, topics_);
    for (int row = 0; row < index_->count(); ++row) {
        if (index_->item(row)->text().startsWith(key, Qt::CaseInsensitive)) {
            index_->setCurrentRow(row);
            index_->scrollToItem(index_->item(row), QAbstractItemView::PositionAtTop);
            break;
        }
    }
    openPage(qText(view.file));
}

void HelpWindow::openPage(const QString& file) {
    if (file.isEmpty()) {
        browser_->setHtml(QStringLiteral("<p>No help pages were found in %1.</p>")
                              .arg(directory_.toHtmlEscaped()));
        return;
    }
    browser_->setSource(QUrl::fromLocalFile(QDir(directory_).filePath(file)));
    for (int row = 0; row < contents_->count(); ++row) {
        if (contents_->item(row)->data(FileRole).toString() == file) {
            contents_->setCurrentRow(row);
        }
    }
}

void HelpWindow::showRequest(const HelpRequest& request) {
    const HelpView view = helpViewFor(request, topics_);
    panes_->setCurrentIndex(view.pane == HelpPane::Index ? 1 : 0);
    search_->setText(qText(view.key));
    openPage(qText(view.file));
    // Help asked for from a modal dialog must be usable while the dialog stays open.
    const QWidget* modal = QApplication::activeModalWidget();
    const Qt::WindowModality wanted =
        modal != nullptr && modal != this ? Qt::ApplicationModal : Qt::NonModal;
    if (windowModality() != wanted) {
        hide(); // a window's modality changes only while it is hidden
        setWindowModality(wanted);
    }
    show();
    raise();
    activateWindow();
}

} // namespace torval
