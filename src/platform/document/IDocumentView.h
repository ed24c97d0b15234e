#pragma once
// What a document needs of the views that show it.

class IDocumentView {
public:
    virtual ~IDocumentView() = default;
    // The document changed; sender is the view that caused it, or null for the document itself.
    virtual void OnUpdate(IDocumentView* sender, long hint) = 0;
};
