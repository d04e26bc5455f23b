#ifndef VORNAC_IMAGEGENERATOR_PICTUREFAMILIES_H
#define VORNAC_IMAGEGENERATOR_PICTUREFAMILIES_H

class PictureWriter;

// Each family draws all of its pictures and stops at the first one it cannot write.
bool writeIoStatePictures(PictureWriter &writer);
bool writeIconPictures(PictureWriter &writer);
bool writeOverviewPictures(PictureWriter &writer);
bool writeControlLoopPictures(PictureWriter &writer);
bool writeEncoderPictures(PictureWriter &writer);
bool writeStepperPictures(PictureWriter &writer);
bool writeCompareCapturePictures(PictureWriter &writer);
bool writeSplinePictures(PictureWriter &writer);

#endif
