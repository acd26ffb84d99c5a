// Spoken syllables: each word below is hyphenated as a teacher claps it in
// the first two school years, written by hand.
#include "testcore.h"
#include "syllables/syllables.h"

#include <QtTest>

class TestSyllables : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY2(syllables::usesPatterns(), "hyphen-de and libhyphen0 are missing (scripts/deps.sh)"); }

    void words_data()
    {
        // patterns: false for words the built-in rules alone must split right
        testing::columns<bool, QString>("patterns", "words");
        QTest::newRow("animals") << true << "Kat-ze E-sel A-mei-se U-hu Pin-gu-in Bie-ne Kuh Hund Maus Pferd Zie-ge Schwein Huhn Hüh-ner "
            "I-gel Eu-le Af-fe En-te Gän-se Fuchs Füch-se Ha-se Hams-ter Ka-nin-chen Schne-cke Frosch Fi-sche Vo-gel Lö-we Ti-ger "
            "E-le-fant Gi-raf-fe Ka-mel Schmet-ter-ling Ma-ri-en-kä-fer Eich-hörn-chen Qual-le Del-fin Pa-pa-gei Kro-ko-dil Kän-gu-ru "
            "Säu-ge-tier Spin-ne Wurm Re-he Mäu-se";
        QTest::newRow("food") << true << "Ka-ka-o Zu-cker Ap-fel Bir-ne Ba-na-ne Erd-bee-re Kir-sche Brot Bröt-chen But-ter Kä-se Wurst "
            "Milch Ei-er Nu-deln Sup-pe Ku-chen Ho-nig Müs-li Sa-lat To-ma-te Gur-ke Ka-rot-te Kar-tof-fel Piz-za Scho-ko-la-de Eis Saft "
            "Ap-fel-saft Was-ser Tee Kaf-fee Pfann-ku-chen Mar-me-la-de Zwie-bel Pflau-me Me-lo-ne Sah-ne Quark Mehl Pom-mes Keks Kek-se";
        QTest::newRow("family") << true << "Mut-ter Va-ter Ma-ma Pa-pa O-ma O-pa Bru-der Schwes-ter Ba-by Ge-schwis-ter El-tern Tan-te "
            "On-kel Kind Kin-der Fa-mi-li-e Mäd-chen Jun-ge Freund Freun-din Nach-bar Groß-el-tern Ur-o-ma Hoch-zeit Ge-burts-tag "
            "Ge-schenk Zwil-lin-ge Fei-er Lie-be";
        QTest::newRow("school") << true << "Fens-ter Schu-le Leh-re-rin Ta-fel Krei-de Heft Buch Bü-cher Blei-stift Fe-der-mäpp-chen "
            "Li-ne-al Ra-dier-gum-mi Schul-ta-sche Ran-zen Pau-se Klas-se Tisch Stuhl Pa-pier Sche-re Kle-ber Far-be Pin-sel Ma-the le-sen "
            "schrei-ben rech-nen ma-len Haus-auf-ga-ben Zeug-nis Fe-ri-en Al-pha-bet Buch-sta-be Sil-be Wort Com-pu-ter Turn-hal-le Sport "
            "Mu-sik";
        QTest::newRow("toys") << true << "Pup-pe Ball Ted-dy Ku-schel-tier Bau-stei-ne Ro-bo-ter Dra-chen Mur-mel Wür-fel Krei-sel "
            "Schau-kel Rut-sche Sand-kas-ten Rol-ler Fahr-rad Spiel-platz Pup-pen-haus Ei-sen-bahn Luft-bal-lon Sei-fen-bla-sen "
            "Ste-cken-pferd Trom-mel Flö-te Gi-tar-re Lo-ko-mo-ti-ve Bil-der-buch Rit-ter Burg Prin-zes-sin Kro-ne Zau-be-rer Mär-chen "
            "Ein-horn Kau-gum-mi Quiet-sche-en-te";
        QTest::newRow("vehicles") << true << "Au-to Bus Zug Flug-zeug Hub-schrau-ber Schiff Boot Trak-tor Bag-ger Last-wa-gen "
            "Po-li-zei-au-to Kran-ken-wa-gen Feu-er-wehr-au-to Stra-ßen-bahn Mo-tor-rad Ta-xi Ra-ke-te Kut-sche Se-gel-boot Wohn-wa-gen "
            "Müll-au-to Drei-rad Ka-nu Damp-fer Rei-fen Brem-se Am-pel Stra-ße Tank-stel-le Ga-ra-ge";
        QTest::newRow("body") << true << "Kopf Au-ge Au-gen Oh-ren Na-se Mund Zäh-ne Zun-ge Haa-re Hals Schul-ter Arm Hand Hän-de Fin-ger "
            "Dau-men Bauch Rü-cken Bein Knie Fuß Fü-ße Ze-hen Ba-cke Stirn Kinn Ell-bo-gen Herz Lip-pen Nä-gel Ge-sicht Kör-per Knö-chel "
            "Wim-pern Au-gen-brau-e";
        QTest::newRow("weather") << true << "Re-gen Son-ne Wind Wol-ke Ge-wit-ter Blitz Don-ner Schnee Ne-bel Ha-gel Re-gen-bo-gen Sturm "
            "Frost Eis-zap-fen Hit-ze Käl-te Wet-ter Schnee-flo-cke Pfüt-ze Re-gen-schirm Win-ter Som-mer Früh-ling Herbst Him-mel Ster-ne "
            "Mond Jah-res-zei-ten son-nig win-dig stür-misch Schnee-mann Glatt-eis Feu-er Son-nen-blu-me";
        QTest::newRow("sounds") << true << "O-fen se-hen ge-hen ste-hen Schu-he dre-hen nä-hen Ru-he Fah-ne Zahn fah-ren woh-nen blau-e "
            "neu-e Hai-e Bau-er Ra-di-o O-ze-an Mu-se-um The-a-ter Ja-nu-ar Vi-de-o Ko-a-la Pi-a-no In-di-a-ner Ru-i-ne Schlüs-sel be-quem "
            "Stro-phe a-hoi I-de-en O-kay Eis-ho-ckey";
        QTest::newRow("rules alone") << false << "Ka-ka-o Ra-di-o O-fen se-hen Fah-ne Zu-cker Ta-sche Al-pha-bet Ma-the be-quem Fens-ter "
            "Kat-ze Bau-er Fa-mi-li-e Fa-mi-li-en I-de-en a-hoi Kuh Hund LKW Bie-ne Ei-er Säu-ge-tier Stra-ße Schlüs-sel Ba-by Mäd-chen";
    }
    void words()
    {
        const auto [patterns, words] = testing::fetch<bool, QString>("patterns", "words");
        QStringList wrong;
        for (const QString &expected : words.split(' ')) {
            const QString got = (patterns ? syllables::split : syllables::splitByRules)(QString(expected).remove('-')).join('-');
            if (got != expected)
                wrong.append(expected + " as " + got);
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(", ")));
    }

    void texts_data()
    {
        // marked: the shown text, "[" before a word's first syllable, "|" before each later one, "]" after its last
        testing::columns<QString, QString>("text", "marked");
        QTest::newRow("soft hyphens rule") << "Ka\u00ADkao I\u00ADglu Bau\u00ADer" << "[Ka|kao] [I|glu] [Bau|er]";
        QTest::newRow("soft hyphens at the edges") << "\u00ADHund\u00AD, Ka\u00AD\u00ADtze \u00AD" << "[Hund], [Ka|tze] ";
        QTest::newRow("numbers and single letters") << "3 Äpfel, 10 Eier, U-Bahn, A4" << "3 [Äp|fel], 10 [Ei|er], [U]-[Bahn], [A]4";
        QTest::newRow("abbreviations") << "LKW und Pkw" << "LKW [und] Pkw";
        QTest::newRow("line breaks") << "Der Hund\r\nbellt\r" << "[Der] [Hund]\r\n[bellt]\r";
        QTest::newRow("capitals") << "OMA UND OPA" << "[O|MA] [UND] [O|PA]";
        QTest::newRow("punctuation") << "Oma, Opa! (Kuh)" << "[O|ma], [O|pa]! ([Kuh])";
        QTest::newRow("combining umlauts") << "Sa\u0308ugetier Bru\u0308cke" << "[Sa\u0308u|ge|tier] [Bru\u0308|cke]";
        QTest::newRow("beyond Latin-1") << "Ćevapčići İnsel" << "[Će|vap|či|ći] [İn|sel]";
    }
    void texts()
    {
        const auto [text, marked] = testing::fetch<QString, QString>("text", "marked");
        const syllables::SyllableText result = syllables::analyse(text);
        QString got;
        qsizetype at = 0;
        for (const syllables::Syllable &s : result.syllables) {
            got += result.shown.mid(at, s.start - at) + (s.index > 0 ? '|' : '[') + result.shown.mid(s.start, s.length);
            got += s.index + 1 == s.ofWord ? "]" : "";
            at = s.start + s.length;
        }
        QCOMPARE(got + result.shown.mid(at), marked);
    }

    void splitOneWord()
    {
        QCOMPARE(syllables::split(""), QStringList());
        QCOMPARE(syllables::split("3"), QStringList{"3"});
        const QString longWord = QString("Feuerwehrauto").repeated(8); // too long for libhyphen's buffers
        QCOMPARE(syllables::split(longWord), syllables::splitByRules(longWord));
    }
};

QTEST_GUILESS_MAIN(TestSyllables)
#include "tst_syllables.moc"
