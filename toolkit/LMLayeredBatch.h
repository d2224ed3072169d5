#pragma once
// Collects what layered objects send their windows while a batch is open on
// the toolkit's thread, and gives each window one call when the outermost
// batch closes: one UpdateLayeredWindow at the new place when its picture
// changed, one move when only its place did, none when nothing did. The
// pictures are drawn into the back buffers at once, as always; only the
// calls to the window system wait. Objects outside a batch reach their
// window at once.

class LMObj;

class LMLayeredBatch {
public:
    LMLayeredBatch();
    ~LMLayeredBatch();
    LMLayeredBatch(const LMLayeredBatch&) = delete;
    LMLayeredBatch& operator=(const LMLayeredBatch&) = delete;
};

// For the toolkit: true when an open batch takes the object's new picture or
// new place, which then must not reach the window now.
bool LMBatchLayeredPicture(LMObj& obj);
bool LMBatchLayeredMove(LMObj& obj);
// The same for showing the window, which then follows its new picture.
bool LMBatchLayeredShow(LMObj& obj);
// An object whose window goes leaves the batch.
void LMForgetBatched(LMObj& obj);
