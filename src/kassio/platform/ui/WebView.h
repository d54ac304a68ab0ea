#pragma once

#include <memory>
#include <string>
#include <vector>

#include "kassio/platform/ui/View.h"

namespace kassio::platform {

class WebView;

enum class NavigationType { linkActivated, other };
enum class NavigationPolicy { allow, cancel };

class WebViewNavigationDelegate {
 public:
  virtual ~WebViewNavigationDelegate() = default;
  virtual NavigationPolicy decidePolicy(WebView&, const std::string& url, NavigationType type) = 0;
  virtual void didFinishNavigation(WebView&) {}
};

// Shows an HTML document with user scripts injected; navigations are put to the delegate.
class WebView : public View {
 public:
  std::string kind() const override { return "web"; }

  std::weak_ptr<WebViewNavigationDelegate> navigationDelegate;
  std::vector<std::string> userScripts;

  void loadHTMLString(std::string html, std::string baseURL = {});
  const std::string& html() const { return html_; }
  const std::string& baseURL() const { return baseURL_; }
  // A navigation the page asks for (a tapped link): returns whether it was allowed.
  bool navigate(const std::string& url, NavigationType type = NavigationType::linkActivated);
  const std::vector<std::string>& loadedURLs() const { return loadedURLs_; }

  void describe(nlohmann::ordered_json& out) const override;

 private:
  std::string html_;
  std::string baseURL_;
  std::vector<std::string> loadedURLs_;
};

}  // namespace kassio::platform
