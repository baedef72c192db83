#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/cdialog.h"

// Runs dialogs and acts inside them the same way on every backend. The tests see only the
// layer's public API here; the implementation also asks the layer which dialog runs in front,
// and its backend part knows the backend.

// While it lives, fails the test and ends the dialogs (and message boxes) one after another
// should a modal run outlive the time limit: a step that failed before closing its dialog.
class ModalTimeLimit {
 public:
  explicit ModalTimeLimit(int seconds = 10);
  ~ModalTimeLimit();
  ModalTimeLimit(const ModalTimeLimit&) = delete;
  ModalTimeLimit& operator=(const ModalTimeLimit&) = delete;

  class Impl;

 private:
  std::unique_ptr<Impl> m_impl;
};

// Runs `steps` inside the dialog's modal loop once its window is up, and returns DoModal's
// result, within the time limit.
INT_PTR RunModal(CDialog& dialog, const std::function<void()>& steps);

// Runs `steps` with the next dialog to start running modally once its window is up: one that a
// handler of the running dialog opens.
void WhenNextDialogRuns(const std::function<void(CDialog&)>& steps);

// A drop of the files on the dialog, as from a file manager; returns once the dialog took it.
void DropFiles(CDialog& dialog, const std::vector<std::filesystem::path>& files);

// Answers the next open-file dialog that shows: chooses `file`, or cancels for an empty path.
void WhenFileDialogShows(const std::filesystem::path& file);

bool IsShown(const CWnd& window);
bool IsEnabled(const CWnd& window);

// How a user moves a slider: an arrow key pressed and let go, the thumb dragged to an end, a
// click on the track beside the thumb, one notch of the wheel; each towards the end with more
// room, so that the slider moves.
enum class SliderGesture { kKey, kDragThumb, kClickTrack, kWheel };
// Does it with real input to the real control, and returns once everything the input caused
// has been handled.
void MoveSliderByHand(CDialog& dialog, int id, SliderGesture gesture);

// Puts text, given in UTF-8, on the clipboard as Unicode text, as programs put it there, or
// clears the clipboard; false where this session may not (a Wayland client without the
// keyboard focus), so that a test can say so and stop.
bool SetClipboardText(const std::string& text);
bool ClearClipboard();

// A resource module that holds no bitmap, for AfxSetResourceHandle.
HINSTANCE ResourcesWithoutBitmaps();

// Every message box shown while it lives: its caption and text, as the program's 8-bit text.
// Each is answered with OK, after `whileShown` has run in the box's own loop.
class MessageBoxRecorder {
 public:
  explicit MessageBoxRecorder(std::function<void()> whileShown = {});
  ~MessageBoxRecorder();
  MessageBoxRecorder(const MessageBoxRecorder&) = delete;
  MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

  const std::vector<std::string>& Texts() const { return m_texts; }
  const std::vector<std::string>& Captions() const { return m_captions; }
  // What the backend's part does with each box it answers, before answering it.
  void Record(std::string caption, std::string text) {
    m_captions.push_back(std::move(caption));
    m_texts.push_back(std::move(text));
    if (m_whileShown) {
      m_whileShown();
    }
  }

  class Impl;

 private:
  std::vector<std::string> m_captions;
  std::vector<std::string> m_texts;
  std::function<void()> m_whileShown;
  std::unique_ptr<Impl> m_impl;
};
