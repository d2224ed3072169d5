#pragma once
// A document being read, or an image being imported into one, may show a
// box, whose message loop can carry a close of its windows. While a scope
// lives, such closes are refused (the windows stay, and the user can close
// them once the load is over), so nothing frees the document under it.

class DocBusyScope {
public:
    DocBusyScope();
    ~DocBusyScope();
    DocBusyScope(const DocBusyScope&) = delete;
    DocBusyScope& operator=(const DocBusyScope&) = delete;
};

bool DocViewIsBusy();
