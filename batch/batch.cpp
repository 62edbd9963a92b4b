// The subcommands of gitterwerk-batch, their help texts and --version.

#include <array>
#include <ostream>

#include "batch/console.h"

namespace batch {
namespace {

constexpr const char* kVersion = "Gitterwerk 1.1.2";

constexpr const char* kUsage =
    "Aufruf: gitterwerk-batch BEFEHL [OPTIONEN]\n"
    "\n"
    "Befehle:\n"
    "  graticule   Kartennetz in eine Datei schreiben\n"
    "  transform   Datei von einer Projektion in die andere transformieren\n"
    "  point       Koordinatenpaare transformieren (Standardeingabe oder Argumente)\n"
    "  distance    Entfernung, Abflugwinkel und Loxodrom zweier Standorte\n"
    "\n"
    "gitterwerk-batch BEFEHL --help zeigt die Optionen eines Befehls.\n"
    "--version zeigt die Version.\n"
    "Exit-Status: 0 fertig, 1 falsche Eingabe, 2 Dateizugriff.\n";

constexpr const char* kGraticuleHelp =
    "Aufruf: gitterwerk-batch graticule --projection DATEI.gwp --out DATEI [OPTIONEN]\n"
    "\n"
    "  --projection DATEI   Projektionsdefinition (\"-\": Standardeingabe)\n"
    "  --format FORMAT      \"Textdatei\", \"Quorin Meta-Datei\" oder\n"
    "                       \"Adobe Illustrator / FreeHand\" (Vorgabe)\n"
    "  --out DATEI          Zieldatei (\"-\": Standardausgabe)\n"
    "  --south S --north N  Breiten in Grad (Vorgabe -90, 90)\n"
    "  --west W --east E    Längen in Grad (Vorgabe -180, 180)\n"
    "  --spacing D          Abstand der Netzlinien in Grad (Vorgabe 10)\n"
    "  --parallel-step P    Punktdichte der Breitengrade in Grad (Vorgabe 1)\n"
    "  --meridian-step M    Punktdichte der Längengrade in Grad (Vorgabe 1)\n"
    "  --keys K10,K5,K2,K1,K30,KC,KO\n"
    "                       Objekt-Nummern der Meta-Datei (Vorgabe 9000,...,9006)\n"
    "  --yes                Rückfragen (Einheiten, sehr große Netze) mit Ja beantworten\n"
    "\n"
    "Beispiel:\n"
    "  gitterwerk-batch graticule --projection utm32.gwp --format Textdatei \\\n"
    "      --south 47 --north 55 --west 6 --east 15 --spacing 1 --out netz.txt\n";

constexpr const char* kTransformHelp =
    "Aufruf: gitterwerk-batch transform --projection1 A.gwp --projection2 B.gwp\n"
    "        --projections MODUS --coordinates MODUS --in QUELLE --out ZIEL [OPTIONEN]\n"
    "\n"
    "  --projection1 DATEI  Projektion 1 (entfällt bei \"innerhalb Projektion 2\")\n"
    "  --projection2 DATEI  Projektion 2 (entfällt bei \"innerhalb Projektion 1\")\n"
    "  --projections MODUS  \"innerhalb Projektion 1\" (Vorgabe), \"innerhalb Projektion 2\",\n"
    "                       \"Projektion 1 --> Projektion 2\", \"Projektion 2 --> Projektion 1\"\n"
    "  --coordinates MODUS  \"geographisch --> geographisch\", \"geographisch --> kartesisch\"\n"
    "                       (Vorgabe), \"kartesisch --> geographisch\", \"kartesisch --> "
    "kartesisch\"\n"
    "  --angles FORMAT      \"Dezimale Notation (dd.dddddd)\" (Vorgabe) oder\n"
    "                       \"Gradielle Notation (dd.mmssss)\"\n"
    "  --format FORMAT      \"Textdatei\" (Vorgabe), \"Quorin Meta-Datei\",\n"
    "                       \"Adobe Illustrator / FreeHand\"\n"
    "  --height H           Höhe der Quellseite in Metern (Vorgabe 0)\n"
    "  --in QUELLE          Quelldatei (\"-\": Standardeingabe)\n"
    "  --out ZIEL           Zieldatei (\"-\": Standardausgabe)\n"
    "  --yes                Rückfragen zu den Einheiten mit Ja beantworten\n"
    "\n"
    "Beispiel:\n"
    "  gitterwerk-batch transform --projection1 gk3.gwp --projection2 utm32.gwp \\\n"
    "      --projections \"Projektion 1 --> Projektion 2\" \\\n"
    "      --coordinates \"kartesisch --> kartesisch\" --in gk.txt --out utm.txt\n";

constexpr const char* kPointHelp =
    "Aufruf: gitterwerk-batch point --projection1 A.gwp [--projection2 B.gwp]\n"
    "        [--projections MODUS] [--coordinates MODUS] [--angles FORMAT] [--height H] [A B]\n"
    "\n"
    "Transformiert das Paar A B, oder ohne Paar jede Zeile der Standardeingabe\n"
    "(die ersten beiden Felder, getrennt durch Leerzeichen, Tab, \",\", \";\" oder \"|\").\n"
    "Ausgabe je Zeile: die beiden Ergebnisse mit acht Dezimalen, durch Tab getrennt;\n"
    "eine leere Zeile für eine Zeile ohne Koordinatenpaar oder ohne Abbildung.\n"
    "Die Modi wie bei transform.\n"
    "\n"
    "Beispiel:\n"
    "  echo \"52.5 13.4\" | gitterwerk-batch point --projection1 utm33.gwp\n";

constexpr const char* kDistanceHelp =
    "Aufruf: gitterwerk-batch distance LAT1 LON1 LAT2 LON2 [OPTIONEN]\n"
    "\n"
    "  --radius KM            Erdradius (Kugel) in km (Vorgabe 6371)\n"
    "  --declination D1 D2    Deklination an den Standorten in Grad (Vorgabe 0 0)\n"
    "  --with-declination     Abflugwinkel inklusiv Deklination\n"
    "  --full-circle          Winkelbereich 0° - 360°\n"
    "\n"
    "Beispiel:\n"
    "  gitterwerk-batch distance 52.5167 13.4 48.8567 2.3508\n";

struct Command {
    std::string_view name;
    int (*run)(std::span<const std::string>, Console&);
    const char* help;
};

constexpr std::array<Command, 4> kCommands = {{
    {"graticule", runGraticule, kGraticuleHelp},
    {"transform", runTransform, kTransformHelp},
    {"point", runPoint, kPointHelp},
    {"distance", runDistance, kDistanceHelp},
}};

bool asksFor(std::span<const std::string> args, std::string_view option) {
    for (const std::string& arg : args) {
        if (arg == "--") return false;
        if (arg == option) return true;
    }
    return false;
}

}  // namespace

int runBatch(std::span<const std::string> args, Console& console) {
    if (args.empty()) {
        console.err << kUsage;
        return kExitInput;
    }
    if (args[0] == "--help" || args[0] == "-h") {
        console.out << kUsage;
        return kExitOk;
    }
    if (args[0] == "--version") {
        console.out << kVersion << '\n';
        return kExitOk;
    }
    for (const Command& command : kCommands) {
        if (args[0] != command.name) continue;
        const std::span<const std::string> rest = args.subspan(1);
        if (asksFor(rest, "--help")) {
            console.out << command.help;
            return kExitOk;
        }
        if (asksFor(rest, "--version")) {
            console.out << kVersion << '\n';
            return kExitOk;
        }
        return command.run(rest, console);
    }
    console.err << "Unbekannter Befehl \"" << args[0] << "\"\n\n" << kUsage;
    return kExitInput;
}

}  // namespace batch
