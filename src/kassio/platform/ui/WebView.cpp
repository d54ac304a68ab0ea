#include "kassio/platform/ui/WebView.h"

namespace kassio::platform {

void WebView::loadHTMLString(std::string html, std::string baseURL) {
  html_ = std::move(html);
  baseURL_ = std::move(baseURL);
  if (auto delegate = navigationDelegate.lock()) delegate->didFinishNavigation(*this);
}

bool WebView::navigate(const std::string& url, NavigationType type) {
  auto delegate = navigationDelegate.lock();
  if (delegate && delegate->decidePolicy(*this, url, type) == NavigationPolicy::cancel) return false;
  loadedURLs_.push_back(url);
  return true;
}

void WebView::describe(nlohmann::ordered_json& out) const {
  View::describe(out);
  out["html"] = html_;
  out["userScripts"] = userScripts;
}

}  // namespace kassio::platform
