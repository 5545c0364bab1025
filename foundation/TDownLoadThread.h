#pragma once

namespace skelda::foundation {

class THTMLPicture;

// The worker a picture starts for an address it does not load itself. Pictures of such
// addresses are never fetched (the program has no download for them), so the worker ends at
// once and touches nothing; the picture stays marked busy, so it is started only once.
class TDownLoadThread {
public:
    explicit TDownLoadThread(THTMLPicture& Picture) : HTMLPicture(&Picture) {}
    // Runs the worker to its end.
    static void Start(THTMLPicture& Picture) { TDownLoadThread(Picture).Execute(); }
    void Execute() {}

    THTMLPicture* HTMLPicture;
};

}  // namespace skelda::foundation
