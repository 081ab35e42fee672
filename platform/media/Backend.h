#pragma once

namespace media {

// Picks the media backend before anything of Qt Multimedia is made: the one
// built on ffmpeg, when it is installed, since the question videos are
// MPEG-1 and the gstreamer one plays them only with plugins a plain system
// lacks. A backend the user names in QT_MEDIA_BACKEND is kept.
void chooseBackend();

} // namespace media
