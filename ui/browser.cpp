#include "ui/browser.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

namespace korinde {
namespace {

// Opens the page in the desktop's default browser when it is made visible:
// the desktop offers no browser to steer, only a way to open an address.
class DesktopBrowser final : public BrowserObject {
public:
    void navigate(const std::string& address) override {
        const QUrl url(QString::fromStdString(address), QUrl::StrictMode);
        if (!url.isValid() || url.scheme().isEmpty()) throw AutomationError("not a web address: " + address);
        url_ = url;
    }

    void set_visible(bool visible) override {
        if (!visible || url_.isEmpty()) return;
        if (!QDesktopServices::openUrl(url_)) throw AutomationError("no web browser could be started");
    }

private:
    QUrl url_;
};

}  // namespace

std::unique_ptr<BrowserObject> create_desktop_browser(const std::string& program_id) {
    // Program identifiers are not case-sensitive.
    const QString requested = QString::fromStdString(program_id);
    if (requested.compare(QString::fromStdString(browser_program_id), Qt::CaseInsensitive) != 0) {
        throw AutomationError("no automation object for " + program_id);
    }
    return std::make_unique<DesktopBrowser>();
}

BrowserFactory create_browser_object = create_desktop_browser;

}  // namespace korinde
