// Browser automation: creating a browser object from its program identifier,
// sending it to an address and making it visible.
#pragma once

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

namespace korinde {

inline const std::string browser_program_id = "InternetExplorer.application";

// A browser could not be created, or refused an address or to show itself.
class AutomationError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class BrowserObject {
public:
    virtual ~BrowserObject() = default;
    virtual void navigate(const std::string& address) = 0;
    // Visible = true shows the browser at the address it was sent to.
    virtual void set_visible(bool visible) = 0;
};

// Creates the object registered under the program identifier. Throws
// AutomationError when nothing is registered under it. Replaceable, so tests
// can record what the program asks of the browser.
using BrowserFactory = std::function<std::unique_ptr<BrowserObject>(const std::string& program_id)>;
extern BrowserFactory create_browser_object;

// The factory used outside tests: the desktop's default web browser serves
// the identifier above.
std::unique_ptr<BrowserObject> create_desktop_browser(const std::string& program_id);

}  // namespace korinde
