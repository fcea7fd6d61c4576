#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTextBrowser>

#include "ui/qt/qt_records.h"

namespace ui::qt {

// The banner is a simple page: fetched in the background and shown as HTML;
// a failed fetch leaves what was shown.
void QtToolkit::ShowWebPage(int panel, int control, const std::string& url) {
  if (url.empty()) return;
  OnUi([=, this] {
    Control* c = FindControl(panel, control);
    auto* view = c ? qobject_cast<QTextBrowser*>(c->widget) : nullptr;
    if (!view) return;
    if (!network_) network_ = new QNetworkAccessManager(dispatcher_.get());
    QNetworkReply* reply = network_->get(QNetworkRequest(QUrl(ToQ(url))));
    QPointer<QTextBrowser> target(view);
    QObject::connect(reply, &QNetworkReply::finished, [reply, target] {
      reply->deleteLater();
      if (!target || reply->error() != QNetworkReply::NoError) return;
      target->setHtml(QString::fromUtf8(reply->readAll()));
    });
  });
}

}  // namespace ui::qt
