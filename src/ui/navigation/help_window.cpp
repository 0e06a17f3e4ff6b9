#include "ui/navigation/help_window.h"

#include "platform/help.h"
#include "ui/common/links.h"
#include "ui/common/message_box.h"
#include "ui/navigation/help_picture.h"

#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QHelpSearchQueryWidget>
#include <QHelpSearchResultWidget>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace talvo::ui {

namespace {

const QString kHelpScheme = QStringLiteral("qthelp");

// Shows the topics straight from the help file.
class TopicBrowser : public QTextBrowser {
  public:
    TopicBrowser(QHelpEngine& engine, QWidget* parent) : QTextBrowser(parent), engine_(engine) {
        setOpenLinks(false);
        connect(this, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
            if (url.scheme() == kHelpScheme || url.isRelative())
                setSource(source().resolved(url));
            else if (url.scheme() == QLatin1String("mailto"))
                openMailLink(window(), url.toString());
            else
                openWebLink(window(), url.toString(),
                            QStringLiteral("Für den Aufruf des Links muss eine Verbindung zum Internet "
                                           "bestehen."));
        });
    }

    // Pictures and the style sheet lie in the help file beside the topic.
    QVariant loadResource(int type, const QUrl& name) override {
        const QUrl url = name.isRelative() ? source().resolved(name) : name;
        if (url.scheme() != kHelpScheme)
            return QTextBrowser::loadResource(type, name);
        const QByteArray data = engine_.fileData(url);
        QImage stored;
        if (type == QTextDocument::ImageResource && stored.loadFromData(data))
            return helpPictureForScreen(stored, devicePixelRatioF());
        return data;
    }

  private:
    QHelpEngine& engine_;
};

} // namespace

HelpWindow::HelpWindow(const QString& helpFile, const QString& collectionFile, QWidget* parent)
    : QWidget(parent, Qt::Window), engine_(platform::openHelp(helpFile, collectionFile)) {
    setObjectName(QStringLiteral("FHilfe"));
    setWindowTitle(QStringLiteral("TALVO Hilfe"));
    resize(1040, 720);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    auto* splitter = new QSplitter(this);
    layout->addWidget(splitter);

    tabs_ = new QTabWidget(splitter);
    tabs_->setObjectName(QStringLiteral("HilfeRegister"));
    QHelpContentWidget* contents = engine_->contentWidget();
    contents->setObjectName(QStringLiteral("HilfeInhalt"));
    contents->setHeaderHidden(true);
    tabs_->addTab(contents, QStringLiteral("&Inhalt"));
    tabs_->addTab(buildIndexPage(), QStringLiteral("I&ndex"));
    tabs_->addTab(buildSearchPage(), QStringLiteral("&Suchen"));

    topic_ = new TopicBrowser(*engine_, splitter);
    topic_->setObjectName(QStringLiteral("HilfeThema"));
    splitter->addWidget(tabs_);
    splitter->addWidget(topic_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({300, 740});

    connect(contents, &QHelpContentWidget::linkActivated, this, &HelpWindow::showTopic);
    connect(engine_->contentModel(), &QHelpContentModel::contentsCreated, contents, &QTreeView::expandAll);
}

HelpWindow::~HelpWindow() = default;

QWidget* HelpWindow::buildIndexPage() {
    auto* page = new QWidget;
    auto* v = new QVBoxLayout(page);
    auto* label = new QLabel(QStringLiteral("&Stichwort:"), page);
    indexFilter_ = new QLineEdit(page);
    indexFilter_->setObjectName(QStringLiteral("HilfeStichwort"));
    label->setBuddy(indexFilter_);
    QHelpIndexWidget* index = engine_->indexWidget();
    index->setObjectName(QStringLiteral("HilfeIndex"));
    v->addWidget(label);
    v->addWidget(indexFilter_);
    v->addWidget(index, 1);
    connect(indexFilter_, &QLineEdit::textChanged, index,
            [index](const QString& text) { index->filterIndices(text); });
    connect(indexFilter_, &QLineEdit::returnPressed, index, &QHelpIndexWidget::activateCurrentItem);
    connect(index, &QHelpIndexWidget::documentActivated, this,
            [this](const QHelpLink& link) { showTopic(link.url); });
    connect(index, &QHelpIndexWidget::documentsActivated, this, [this](const QList<QHelpLink>& links) {
        if (!links.isEmpty())
            showTopic(links.first().url);
    });
    return page;
}

QWidget* HelpWindow::buildSearchPage() {
    auto* page = new QWidget;
    auto* v = new QVBoxLayout(page);
    QHelpSearchEngine* search = engine_->searchEngine();
    QHelpSearchQueryWidget* query = search->queryWidget();
    query->setObjectName(QStringLiteral("HilfeSuchbegriff"));
    QHelpSearchResultWidget* results = search->resultWidget();
    results->setObjectName(QStringLiteral("HilfeTreffer"));
    v->addWidget(query);
    v->addWidget(results, 1);
    connect(query, &QHelpSearchQueryWidget::search, search,
            [search, query] { search->search(query->searchInput()); });
    connect(results, &QHelpSearchResultWidget::requestShowLink, this, &HelpWindow::showTopic);
    return page;
}

void HelpWindow::showContext(int context) {
    const QUrl topic = platform::helpTopic(*engine_, context);
    if (topic.isEmpty()) {
        tabs_->setCurrentIndex(0);
        showMessage(
            this,
            QStringLiteral("Zu diesem Fenster gibt es in der Hilfe kein Thema (Nummer %1).").arg(context),
            MessageIcon::Information);
        return;
    }
    showTopic(topic);
}

void HelpWindow::showIndex() {
    tabs_->setCurrentIndex(1);
    indexFilter_->clear();
    indexFilter_->setFocus();
}

void HelpWindow::showTopic(const QUrl& url) {
    topic_->setSource(url, QTextDocument::HtmlResource);
}

QUrl HelpWindow::currentTopic() const {
    return topic_->source();
}

QString HelpWindow::currentTitle() const {
    return topic_->documentTitle();
}

} // namespace talvo::ui
