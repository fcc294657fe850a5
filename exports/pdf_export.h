#pragma once

class QIODevice;
class ReelCellPictures;

// The reach-me tables of all 21 left positions, one A4 landscape page each,
// then the pairs of two stopped reels (2確目), a page for each stop order,
// written as PDF with the Japanese face embedded. Answers whether every page
// was written.
bool writeReachMeTablePdf(QIODevice& device, const ReelCellPictures& pictures);
