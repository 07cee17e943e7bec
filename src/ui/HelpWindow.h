#pragma once
// The help window: the pages shipped under Helps/ in a browser, beside a contents list and a
// keyword index. What a help request opens is decided by helpViewFor; the topic list comes
// from Helps/topics.txt.

#include "shell/HelpCatalogue.h"

#include <QWidget>
#include <vector>

class QLineEdit;
class QListWidget;
class QTabWidget;
class QTextBrowser;

namespace torval {

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr std::string_view Caption = "TORVAL Help";
    static constexpr std::string_view CatalogueName = "topics.txt";

    explicit HelpWindow(const QString& helpDirectory, QWidget* parent = nullptr);

    // Shows the window on the page that answers the request, over any modal dialog.
    void showRequest(const HelpRequest& request);

    QTextBrowser* browser() const { return browser_; }
    QListWidget* contentsList() const { return contents_; }
    QListWidget* indexList() const { return index_; }
    QLineEdit* indexSearch() const { return search_; }
    QTabWidget* panes() const { return panes_; }
    const std::vector<HelpTopic>& topics() const { return topics_; }

private:
    void openPage(const QString& file);
    void fillIndex();
    void searchIndex(const QString& key);

    QString directory_;
    std::vector<HelpTopic> topics_;
    std::vector<HelpIndexEntry> entries_;
    QTabWidget* panes_;
    QListWidget* contents_;
    QLineEdit* search_;
    QListWidget* index_;
    QTextBrowser* browser_;
};

} // namespace torval
