#include "content/PictureTexts.h"

#include <algorithm>
#include <string>

#include "catalog/ResourceCatalog.h"
#include "content/Image.h"
#include "content/PngWriter.h"
#include "content/TextRenderer.h"

namespace {

struct Page {
    int number;
    const char* title;
    const char* body;
    int drawing;  // 0 none, 1 death, 2 ghost, 3 werewolf, 4 the sweet
};

const Page kPages[] = {
    {picture::kInvitationEn, "You are invited",
     "to the last night of October.\n\nCome in costume. Come alone.\nFollow the procession\n"
     "down the foggy street\nand knock where no one knocks.\n\nBe home before the sun.\nTell no one.",
     0},
    {picture::kInvitationDe, "Du bist eingeladen",
     "zur letzten Nacht im Oktober.\n\nKomm verkleidet. Komm allein.\nFolge der Prozession\n"
     "die neblige Straße hinab\nund klopfe, wo niemand klopft.\n\nSei vor Sonnenaufgang daheim.\nSag es niemandem.",
     0},
    {picture::kDeathCardEn, "Death", "A black hood, a bony grin.\nNo one asks Death\nwhere it is going.", 1},
    {picture::kDeathCardDe, "Der Tod",
     "Schwarze Kapuze,\nknöchernes Grinsen.\nNiemand fragt den Tod,\nwohin er geht.", 1},
    {picture::kGhostCardEn, "The ghost", "An old white sheet, two holes.\nNo one looks twice\nat a ghost.", 2},
    {picture::kGhostCardDe, "Der Geist",
     "Ein altes weißes Laken,\nzwei Löcher.\nNach einem Geist dreht\nsich niemand zweimal um.", 2},
    {picture::kWerewolfCardEn, "The werewolf", "Fur, teeth and a howl.\nEven the dogs\nwill step aside.", 3},
    {picture::kWerewolfCardDe, "Der Werwolf", "Fell, Zähne und ein Heulen.\nSelbst die Hunde\nweichen zur Seite.", 3},
    {picture::kLetterTextEn, "To you in the costume,",
     "Thank you for climbing\nall those stairs.\nNobody visits any more.\n\nThe treat is for you. "
     "Take it,\nand go home before it is light.\n\nDo not look back at the house.",
     4},
    {picture::kLetterTextDe, "An dich im Kostüm,",
     "danke, dass du all die Treppen\nheraufgestiegen bist.\nNiemand kommt mehr zu Besuch.\n\nDie "
     "Süßigkeit ist für dich. Nimm sie\nund geh heim, bevor es hell wird.\n\nDreh dich nicht "
     "nach dem Haus um.",
     4},
};

void drawFigure(Image& img, int kind, float cx, float cy, float s, V3 ink) {
    if (kind == 1) {  // hooded figure with a scythe
        img.line(cx - 0.9f * s, cy - 1.2f * s, cx - 0.9f * s, cy + 1.2f * s, 0.08f * s, ink);
        img.line(cx - 0.9f * s, cy - 1.2f * s, cx - 0.1f * s, cy - 0.95f * s, 0.08f * s, ink);
        img.ring(cx, cy - 0.6f * s, 0.35f * s, 0.07f * s, ink);
        img.line(cx - 0.45f * s, cy - 0.3f * s, cx - 0.7f * s, cy + 1.1f * s, 0.07f * s, ink);
        img.line(cx + 0.45f * s, cy - 0.3f * s, cx + 0.7f * s, cy + 1.1f * s, 0.07f * s, ink);
        img.line(cx - 0.7f * s, cy + 1.1f * s, cx + 0.7f * s, cy + 1.1f * s, 0.07f * s, ink);
        img.disc(cx - 0.12f * s, cy - 0.62f * s, 0.07f * s, ink);
        img.disc(cx + 0.12f * s, cy - 0.62f * s, 0.07f * s, ink);
    } else if (kind == 2) {  // sheet ghost
        img.ring(cx, cy - 0.4f * s, 0.6f * s, 0.07f * s, ink);
        img.line(cx - 0.6f * s, cy - 0.4f * s, cx - 0.7f * s, cy + 1.1f * s, 0.07f * s, ink);
        img.line(cx + 0.6f * s, cy - 0.4f * s, cx + 0.7f * s, cy + 1.1f * s, 0.07f * s, ink);
        for (int i = 0; i < 4; ++i) {
            const float x0 = cx - 0.7f * s + i * 0.35f * s;
            img.line(x0, cy + 1.1f * s, x0 + 0.17f * s, cy + 0.95f * s, 0.07f * s, ink);
            img.line(x0 + 0.17f * s, cy + 0.95f * s, x0 + 0.35f * s, cy + 1.1f * s, 0.07f * s, ink);
        }
        img.disc(cx - 0.2f * s, cy - 0.45f * s, 0.1f * s, ink);
        img.disc(cx + 0.2f * s, cy - 0.45f * s, 0.1f * s, ink);
    } else if (kind == 3) {  // wolf head
        img.ring(cx, cy, 0.55f * s, 0.07f * s, ink);
        img.line(cx - 0.45f * s, cy - 0.3f * s, cx - 0.55f * s, cy - 0.95f * s, 0.07f * s, ink);
        img.line(cx - 0.55f * s, cy - 0.95f * s, cx - 0.15f * s, cy - 0.52f * s, 0.07f * s, ink);
        img.line(cx + 0.45f * s, cy - 0.3f * s, cx + 0.55f * s, cy - 0.95f * s, 0.07f * s, ink);
        img.line(cx + 0.55f * s, cy - 0.95f * s, cx + 0.15f * s, cy - 0.52f * s, 0.07f * s, ink);
        img.disc(cx - 0.2f * s, cy - 0.1f * s, 0.08f * s, ink);
        img.disc(cx + 0.2f * s, cy - 0.1f * s, 0.08f * s, ink);
        for (int i = -2; i <= 2; ++i)
            img.line(cx + i * 0.1f * s, cy + 0.25f * s, cx + i * 0.1f * s + 0.05f * s, cy + 0.4f * s,
                     0.05f * s, ink);
    } else if (kind == 4) {  // a wrapped sweet
        img.ring(cx, cy, 0.3f * s, 0.06f * s, ink);
        img.line(cx - 0.3f * s, cy, cx - 0.7f * s, cy - 0.25f * s, 0.06f * s, ink);
        img.line(cx - 0.3f * s, cy, cx - 0.7f * s, cy + 0.25f * s, 0.06f * s, ink);
        img.line(cx - 0.7f * s, cy - 0.25f * s, cx - 0.7f * s, cy + 0.25f * s, 0.06f * s, ink);
        img.line(cx + 0.3f * s, cy, cx + 0.7f * s, cy - 0.25f * s, 0.06f * s, ink);
        img.line(cx + 0.3f * s, cy, cx + 0.7f * s, cy + 0.25f * s, 0.06f * s, ink);
        img.line(cx + 0.7f * s, cy - 0.25f * s, cx + 0.7f * s, cy + 0.25f * s, 0.06f * s, ink);
    }
}

const Page* findPage(int number) {
    for (const Page& p : kPages)
        if (p.number == number) return &p;
    return nullptr;
}

}  // namespace

std::string textPictureWriting(int number) {
    const Page* page = findPage(number);
    return page ? std::string(page->title) + "\n" + page->body : std::string();
}

std::vector<uint8_t> makeTextPicture(int number, bool writing) {
    const Page* page = findPage(number);
    if (!page) return {};
    const int size = 512;
    const V3 ink(0.08f, 0.05f, 0.04f);
    Image img(size, size, true);
    img.fill(ink, 0.0f);
    TextRenderer title(dejaVuPath("Serif-Bold"));
    TextRenderer body(dejaVuPath("Serif"));
    if (!title.ok() || !body.ok()) return {};
    const bool costume = page->drawing >= 1 && page->drawing <= 3;
    title.setPixelSize(costume ? 40 : 30);
    const float margin = 36;
    // Left out, the writing is still laid out, so the drawing keeps its place.
    const float alpha = writing ? 1.0f : 0.0f;
    float y = title.drawParagraph(img, page->title, margin, 72, size - 2 * margin, 40, ink, true, alpha);
    body.setPixelSize(costume ? 26 : 22);
    y = body.drawParagraph(img, page->body, margin, y + (costume ? 30.0f : 22.0f), size - 2 * margin,
                           costume ? 34 : 30, ink, true, alpha);
    if (page->drawing) {
        const float below = page->drawing == 4 ? 40.0f : 110.0f;
        drawFigure(img, page->drawing, size * 0.5f, std::min(y + below, 420.0f), 70, ink);
    }
    // A thin ruled frame, like a printed card.
    img.rect(18, 18, size - 18, 20, ink, 0.8f);
    img.rect(18, size - 20, size - 18, size - 18, ink, 0.8f);
    img.rect(18, 18, 20, size - 18, ink, 0.8f);
    img.rect(size - 20, 18, size - 18, size - 18, ink, 0.8f);
    img.clearBorder(1);
    return encodePng(img);
}
