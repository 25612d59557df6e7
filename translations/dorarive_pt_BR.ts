<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
</context>
<context>
    <name>CHelpDlg</name>
    <message>
        <source>Introduction:</source>
        <translation>Introdução:</translation>
    </message>
    <message>
        <source>This software allows the user to calculate the heat load of a refrigeration</source>
        <translation>Este software permite ao usuário calcular a carga térmica de um sistema de</translation>
    </message>
    <message>
        <source>system and specifies the appropriate compressor capacity.</source>
        <translation>refrigeração e indica a capacidade adequada do compressor.</translation>
    </message>
    <message>
        <source>Installation and requirements:</source>
        <translation>Instalação e requisitos:</translation>
    </message>
    <message>
        <source>This software is installed with its Debian package, dorarive</source>
        <translation>Este software é instalado com o seu pacote Debian, dorarive</translation>
    </message>
    <message>
        <source>(sudo apt-get install ./dorarive_1.0-1_amd64.deb), which puts dorarive and</source>
        <translation>(sudo apt-get install ./dorarive_1.0-1_amd64.deb), que instala dorarive e</translation>
    </message>
    <message>
        <source>dorarive-calc in /usr/bin and Nordavik Kaldora in the desktop menu;</source>
        <translation>dorarive-calc em /usr/bin e Nordavik Kaldora no menu da área de trabalho;</translation>
    </message>
    <message>
        <source>apt-get remove dorarive takes it off. De-installation removes the software again,</source>
        <translation>apt-get remove dorarive o desinstala. A desinstalação remove o software</translation>
    </message>
    <message>
        <source>completely, and very accurate, according to our experience.</source>
        <translation>por completo e com muita precisão, segundo a nossa experiência.</translation>
    </message>
    <message>
        <source>The inputs are kept between runs in</source>
        <translation>Entre execuções, as entradas ficam em</translation>
    </message>
    <message>
        <source>~/.config/Nordavik Frimo 042/dorarive.conf; a calculation can be kept in</source>
        <translation>~/.config/Nordavik Frimo 042/dorarive.conf; um cálculo pode ser guardado</translation>
    </message>
    <message>
        <source>a file of its own, NAME.kaldora (Open Ctrl-O, Save Ctrl-S).</source>
        <translation>em um arquivo próprio, NOME.kaldora (Abrir Ctrl-O, Salvar Ctrl-S).</translation>
    </message>
    <message>
        <source>Keys F1 Help, Ctrl-P Print, Alt-U Units, Alt-S Product Selection,</source>
        <translation>Teclas F1 Ajuda, Ctrl-P Imprimir, Alt-U Unidades, Alt-S Seleção de</translation>
    </message>
    <message>
        <source>F10 or a right-click on the window every command.</source>
        <translation>produtos; F10 ou botão direito na janela, todos os comandos.</translation>
    </message>
    <message>
        <source>System requirements:</source>
        <translation>Requisitos do sistema:</translation>
    </message>
    <message>
        <source>Min. screen height 768 pixels.</source>
        <translation>Altura mín. de tela 768 pixels.</translation>
    </message>
    <message>
        <source>A 64-bit PC (amd64)</source>
        <translation>PC de 64 bits (amd64)</translation>
    </message>
    <message>
        <source>32 MB RAM min., 64 MB recommended</source>
        <translation>32 MB de RAM mín., 64 MB recomendados</translation>
    </message>
    <message>
        <source>15 MB harddisk space</source>
        <translation>15 MB de espaço em disco</translation>
    </message>
    <message>
        <source>Debian 12 or a compatible Linux, on a GNOME, KDE Plasma or other</source>
        <translation>Debian 12 ou Linux compatível, com área de trabalho GNOME, KDE Plasma ou</translation>
    </message>
    <message>
        <source>X11 or Wayland desktop</source>
        <translation>outra X11 ou Wayland</translation>
    </message>
    <message>
        <source>Disclaimer:

Nordavik can accept no responsibility for possible errors in this program. Nordavik reserves the right to alter its products without notice. All trademarks in this material are property of the respective companies.

</source>
        <translation>Aviso legal:

A Nordavik não se responsabiliza por eventuais erros neste programa. A Nordavik se reserva o direito de alterar seus produtos sem aviso prévio. Todas as marcas registradas citadas neste material são propriedade das respectivas empresas.

</translation>
    </message>
    <message>
        <source>Help Info</source>
        <translation>Informações da ajuda</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Texto de ajuda</translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation>Aviso legal</translation>
    </message>
</context>
<context>
    <name>CSettingsDlg</name>
    <message>
        <source>Energy</source>
        <translation>Potência</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>Btu/hr</source>
        <translation>Btu/hr</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>ºC</source>
        <translation>ºC</translation>
    </message>
    <message>
        <source>ºF</source>
        <translation>ºF</translation>
    </message>
    <message>
        <source>k Value</source>
        <translation>Condutividade térmica</translation>
    </message>
    <message>
        <source>W/m·K</source>
        <translation>W/m·K</translation>
    </message>
    <message>
        <source>BTU/h·ft·°F</source>
        <translation>BTU/h·ft·°F</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>litres</source>
        <translation>litros</translation>
    </message>
    <message>
        <source>cubic feet</source>
        <translation>pés cúbicos</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Comprimento</translation>
    </message>
    <message>
        <source>millimeters</source>
        <translation>milímetros</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>polegadas</translation>
    </message>
    <message>
        <source>Mass</source>
        <translation>Massa</translation>
    </message>
    <message>
        <source>kilograms</source>
        <translation>quilogramas</translation>
    </message>
    <message>
        <source>pounds</source>
        <translation>libras</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unidades</translation>
    </message>
</context>
<context>
    <name>CalcArguments</name>
    <message>
        <source>expected NAME=VALUE, got &apos;%1&apos;</source>
        <translation>esperado NAME=VALUE, recebido: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: %2 takes 0 or 1</source>
        <translation>&apos;%1&apos;: %2 aceita 0 ou 1</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: %2 takes a whole row number</source>
        <translation>&apos;%1&apos;: %2 aceita um número de linha inteiro</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: %2 takes a number such as 455.55 or -7</source>
        <translation>&apos;%1&apos;: %2 aceita um número como 455.55 ou -7</translation>
    </message>
    <message>
        <source>unknown input name in &apos;%1&apos;</source>
        <translation>nome de entrada desconhecido em &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>CalcBatch</name>
    <message>
        <source>no value of %1 from %2 to %3 gives %4</source>
        <translation>nenhum valor de %1 entre %2 e %3 resulta em %4</translation>
    </message>
</context>
<context>
    <name>CalcFile</name>
    <message>
        <source>a list</source>
        <translation>uma lista</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>um objeto</translation>
    </message>
    <message>
        <source>unknown member &quot;%1&quot;</source>
        <translation>membro desconhecido &quot;%1&quot;</translation>
    </message>
    <message>
        <source>not a calculation file: it has no &quot;format&quot; member</source>
        <translation>não é um arquivo de cálculo: falta o membro &quot;format&quot;</translation>
    </message>
    <message>
        <source>not a calculation file: its format is %1, not &quot;%2&quot;</source>
        <translation>não é um arquivo de cálculo: o formato é %1, não &quot;%2&quot;</translation>
    </message>
    <message>
        <source>it has no &quot;version&quot; member</source>
        <translation>falta o membro &quot;version&quot;</translation>
    </message>
    <message>
        <source>version %1 is not known: this program reads version %2</source>
        <translation>versão %1 desconhecida: este programa lê a versão %2</translation>
    </message>
    <message>
        <source>&quot;units&quot; is not an object, got %1</source>
        <translation>&quot;units&quot; não é um objeto, recebido: %1</translation>
    </message>
    <message>
        <source>unknown member &quot;%1&quot; in &quot;units&quot;</source>
        <translation>membro desconhecido &quot;%1&quot; em &quot;units&quot;</translation>
    </message>
    <message>
        <source>&quot;inputs&quot; is not an object, got %1</source>
        <translation>&quot;inputs&quot; não é um objeto, recebido: %1</translation>
    </message>
    <message>
        <source>%1 takes 0 or 1, got %2</source>
        <translation>%1 aceita 0 ou 1, recebido: %2</translation>
    </message>
    <message>
        <source>%1 takes a number such as 455.55 or -7, got %2</source>
        <translation>%1 aceita um número como 455.55 ou -7, recebido: %2</translation>
    </message>
    <message>
        <source>unknown member &quot;%1&quot; in &quot;inputs&quot;</source>
        <translation>membro desconhecido &quot;%1&quot; em &quot;inputs&quot;</translation>
    </message>
    <message>
        <source>%1 takes a whole row number, got %2</source>
        <translation>%1 aceita um número de linha inteiro, recebido: %2</translation>
    </message>
    <message>
        <source>%1 %2 is not a row of its table (0 to %3)</source>
        <translation>%1 %2 não é uma linha da sua tabela (de 0 a %3)</translation>
    </message>
    <message>
        <source>not valid JSON: %1</source>
        <translation>JSON inválido: %1</translation>
    </message>
    <message>
        <source>not a calculation file: the document is not a JSON object</source>
        <translation>não é um arquivo de cálculo: o documento não é um objeto JSON</translation>
    </message>
    <message>
        <source>%1: cannot be read: %2</source>
        <translation>%1: não pode ser lido: %2</translation>
    </message>
    <message>
        <source>%1: too large for a calculation file (over 1 MiB)</source>
        <translation>%1: grande demais para um arquivo de cálculo (mais de 1 MiB)</translation>
    </message>
    <message>
        <source>%1: line %2: %3</source>
        <translation>%1: linha %2: %3</translation>
    </message>
    <message>
        <source>%1: cannot be written: %2</source>
        <translation>%1: não pode ser gravado: %2</translation>
    </message>
</context>
<context>
    <name>CalcFileCommands</name>
    <message>
        <source>The calculation in the window is unchanged.</source>
        <translation>O cálculo na janela não foi alterado.</translation>
    </message>
    <message>
        <source>The calculation was not saved; an existing file is left as it was.</source>
        <translation>O cálculo não foi salvo; um arquivo existente permanece como estava.</translation>
    </message>
    <message>
        <source>Save Calculation</source>
        <translation>Salvar cálculo</translation>
    </message>
    <message>
        <source>Open Calculation</source>
        <translation>Abrir cálculo</translation>
    </message>
    <message>
        <source>Calculations (*.%1)</source>
        <translation>Cálculos (*.%1)</translation>
    </message>
</context>
<context>
    <name>CalcOptions</name>
    <message>
        <source>Calculates the heat load and the compressor capacity of a refrigerated cabinet.
Starts from the first-run inputs (or, with --stored, the inputs the window stored, or with
--open, a calculation file), sets NAME=VALUE inputs (unit choices first, then selections and
options, then numbers) and prints the report. Several --open files or a --sweep make one
calculation each; two --sweep options make a grid. --seek NAME RESULT=VALUE finds the value of
NAME that gives RESULT (a member of the JSON results) the VALUE, and prints that calculation.
Exit status: 0 calculated, 1 stopped at an input check or no value found, 2 usage or file error.</source>
        <translation>Calcula a carga térmica e a capacidade requerida do compressor de um gabinete refrigerado.
Parte das entradas da primeira execução (ou, com --stored, das entradas armazenadas pela janela,
ou, com --open, de um arquivo de cálculo), define as entradas NAME=VALUE (primeiro as unidades,
depois as seleções e opções, depois os números) e imprime o relatório. Vários arquivos --open ou
um --sweep geram um cálculo cada; duas opções --sweep geram uma grade. --seek NAME RESULT=VALUE
procura o valor de NAME com o qual RESULT (um membro dos resultados JSON) assume o valor VALUE, e
imprime esse cálculo.
Status de saída: 0 calculado, 1 parado em uma verificação de entrada ou nenhum valor encontrado, 2 erro de uso ou de arquivo.</translation>
    </message>
    <message>
        <source>Start from the inputs the window stored.</source>
        <translation>Partir das entradas armazenadas pela janela.</translation>
    </message>
    <message>
        <source>Print one JSON object instead of the report.</source>
        <translation>Imprimir um objeto JSON em vez do relatório.</translation>
    </message>
    <message>
        <source>Print a table: a header row, then one row per calculation.</source>
        <translation>Imprimir uma tabela: uma linha de cabeçalho, depois uma linha por cálculo.</translation>
    </message>
    <message>
        <source>Start from a calculation file (repeat it for several files).</source>
        <translation>Partir de um arquivo de cálculo (repita para vários arquivos).</translation>
    </message>
    <message>
        <source>Write the inputs to a calculation file.</source>
        <translation>Gravar as entradas em um arquivo de cálculo.</translation>
    </message>
    <message>
        <source>Calculate once for each value of a number input, e.g. iDepth=300:600:50 (at most 10000 values); twice for a grid (at most 100000 rows).</source>
        <translation>Calcular uma vez para cada valor de uma entrada numérica, p. ex. iDepth=300:600:50 (no máximo 10000 valores); duas vezes para uma grade (no máximo 100000 linhas).</translation>
    </message>
    <message>
        <source>Find the value of a number input within its permitted range that gives a result, e.g. --seek iInsulation requestedCapacity=60.</source>
        <translation>Procurar, dentro da faixa permitida, o valor de uma entrada numérica que dá um resultado, p. ex. --seek iInsulation requestedCapacity=60.</translation>
    </message>
    <message>
        <source>An input, e.g. iDepth=455.5 UnitsLength=1 iType=0 iDoorCheck=1.</source>
        <translation>Uma entrada, p. ex. iDepth=455.5 UnitsLength=1 iType=0 iDoorCheck=1.</translation>
    </message>
    <message>
        <source>--sweep: %1 twice</source>
        <translation>--sweep: %1 informado duas vezes</translation>
    </message>
    <message>
        <source>--sweep: at most %1 rows, got %2</source>
        <translation>--sweep: no máximo %1 linhas, solicitadas: %2</translation>
    </message>
    <message>
        <source>--seek: %1 is no number input</source>
        <translation>--seek: %1 não é uma entrada numérica</translation>
    </message>
    <message>
        <source>--seek %1 needs RESULT=VALUE, e.g. requestedCapacity=60</source>
        <translation>--seek %1 precisa de RESULT=VALUE, p. ex. requestedCapacity=60</translation>
    </message>
    <message>
        <source>--seek: %1 takes a number such as 60 or -7.5, got &quot;%2&quot;</source>
        <translation>--seek: %1 aceita um número como 60 ou -7.5, recebido: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>--json and --csv: choose one output</source>
        <translation>--json e --csv: escolha uma única saída</translation>
    </message>
    <message>
        <source>--open and --stored: choose where to start</source>
        <translation>--open e --stored: escolha um único ponto de partida</translation>
    </message>
    <message>
        <source>--sweep: at most two inputs, for a grid</source>
        <translation>--sweep: no máximo duas entradas, para uma grade</translation>
    </message>
    <message>
        <source>--seek: one input at a time</source>
        <translation>--seek: uma entrada por vez</translation>
    </message>
    <message>
        <source>--seek and --sweep: choose one</source>
        <translation>--seek e --sweep: escolha um dos dois</translation>
    </message>
    <message>
        <source>--save: one file name</source>
        <translation>--save: um único nome de arquivo</translation>
    </message>
    <message>
        <source>--save writes one calculation, not several --open files, a --sweep or a --seek</source>
        <translation>--save grava um único cálculo, não vários arquivos --open, nem um --sweep, nem um --seek</translation>
    </message>
</context>
<context>
    <name>ChangeGuard</name>
    <message>
        <source>Save changes to the current calculation?</source>
        <translation>Salvar as alterações no cálculo atual?</translation>
    </message>
    <message>
        <source>The inputs could not be stored in %1.</source>
        <translation>Não foi possível armazenar as entradas em %1.</translation>
    </message>
    <message>
        <source>Save them as a calculation file before closing?</source>
        <translation>Salvá-las como arquivo de cálculo antes de fechar?</translation>
    </message>
</context>
<context>
    <name>ChartExport</name>
    <message>
        <source>Sweep chart</source>
        <translation>Gráfico de varredura</translation>
    </message>
    <message>
        <source>The picture could not be written.</source>
        <translation>Não foi possível gravar a imagem.</translation>
    </message>
</context>
<context>
    <name>Checks</name>
    <message>
        <source>Invalid cabinet depth.</source>
        <translation>Profundidade do gabinete inválida.</translation>
    </message>
    <message>
        <source>Invalid cabinet width.</source>
        <translation>Largura do gabinete inválida.</translation>
    </message>
    <message>
        <source>Invalid cabinet height.</source>
        <translation>Altura do gabinete inválida.</translation>
    </message>
    <message>
        <source>Invalid door width.</source>
        <translation>Largura da porta inválida.</translation>
    </message>
    <message>
        <source>Invalid door height.</source>
        <translation>Altura da porta inválida.</translation>
    </message>
    <message>
        <source>Start temp less than end temp.</source>
        <translation>A temperatura inicial é menor que a temperatura final.</translation>
    </message>
    <message>
        <source>End temp less than box temp.</source>
        <translation>A temperatura final é menor que a temperatura interna.</translation>
    </message>
    <message>
        <source>Start temp invalid</source>
        <translation>Temperatura inicial inválida</translation>
    </message>
    <message>
        <source>Invalid cool down mass.</source>
        <translation>Massa a resfriar inválida.</translation>
    </message>
    <message>
        <source>Invalid cool down time.</source>
        <translation>Tempo de resfriamento inválido.</translation>
    </message>
    <message>
        <source>Ambient must be greater than box.</source>
        <translation>A temperatura ambiente deve ser maior que a temperatura interna.</translation>
    </message>
    <message>
        <source>Ambient temperature invalid.</source>
        <translation>Temperatura ambiente inválida.</translation>
    </message>
    <message>
        <source>Box temperature invalid.</source>
        <translation>Temperatura interna inválida.</translation>
    </message>
    <message>
        <source>Evaporating temp invalid</source>
        <translation>Temperatura de evaporação inválida</translation>
    </message>
    <message>
        <source>Condensing temp invalid.</source>
        <translation>Temperatura de condensação inválida.</translation>
    </message>
    <message>
        <source>Invalid subcooling amount.</source>
        <translation>Valor de sub-resfriamento inválido.</translation>
    </message>
    <message>
        <source>Evaporating temp greater than box temp.</source>
        <translation>A temperatura de evaporação é maior que a temperatura interna.</translation>
    </message>
    <message>
        <source>Invalid insulation thickness.</source>
        <translation>Espessura do isolamento inválida.</translation>
    </message>
    <message>
        <source>Invalid door insulation thickness.</source>
        <translation>Espessura do isolamento da porta inválida.</translation>
    </message>
    <message>
        <source>Invalid door/lid openings load.</source>
        <translation>Carga das aberturas de porta/tampa inválida.</translation>
    </message>
    <message>
        <source>Invalid fan load.</source>
        <translation>Carga do ventilador inválida.</translation>
    </message>
    <message>
        <source>Invalid light load.</source>
        <translation>Carga da iluminação inválida.</translation>
    </message>
    <message>
        <source>Invalid antisweat load.</source>
        <translation>Carga da resistência anticondensação inválida.</translation>
    </message>
    <message>
        <source>Invalid max runtime value.</source>
        <translation>Tempo máximo de funcionamento inválido.</translation>
    </message>
    <message>
        <source>Invalid insulation k value.</source>
        <translation>Condutividade térmica do isolamento inválida.</translation>
    </message>
    <message>
        <source>Invalid door k value.</source>
        <translation>Condutividade térmica do isolamento da porta inválida.</translation>
    </message>
    <message>
        <source>Error: %s</source>
        <translation>Erro: %s</translation>
    </message>
    <message>
        <source>%d to %d</source>
        <translation>%d a %d</translation>
    </message>
    <message>
        <source>%0.1f to %0.1f hours</source>
        <translation>%0.1f a %0.1f horas</translation>
    </message>
    <message>
        <source>%d%s to %d%s</source>
        <translation>%d%s a %d%s</translation>
    </message>
    <message>
        <source>Warning: %s</source>
        <translation>Aviso: %s</translation>
    </message>
</context>
<context>
    <name>CommandMenu</name>
    <message>
        <source>&amp;About...</source>
        <translation>S&amp;obre...</translation>
    </message>
    <message>
        <source>Ne&amp;w</source>
        <translation>&amp;Novo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>Sav&amp;e</source>
        <translation>Sal&amp;var</translation>
    </message>
    <message>
        <source>Sa&amp;ve As...</source>
        <translation>Salvar &amp;como...</translation>
    </message>
    <message>
        <source>&amp;Units...</source>
        <translation>&amp;Unidades...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Im&amp;primir...</translation>
    </message>
    <message>
        <source>What &amp;If...</source>
        <translation>Anál&amp;ise de hipóteses...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>Product &amp;Selection</source>
        <translation>&amp;Seleção de produtos</translation>
    </message>
    <message>
        <source>Visit &amp;Nordavik on the Web</source>
        <translation>Visitar a Nordavik na &amp;Web</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Abrir &amp;recentes</translation>
    </message>
    <message>
        <source>No recent files</source>
        <translation>Nenhum arquivo recente</translation>
    </message>
</context>
<context>
    <name>DoraRiveDlg</name>
    <message>
        <source>The inputs could not be stored in %1; they are saved in %2</source>
        <translation>Não foi possível armazenar as entradas em %1; elas foram salvas em %2</translation>
    </message>
    <message>
        <source>The inputs could not be stored in %1, nor saved to a file (%2); here they are:</source>
        <translation>Não foi possível armazenar as entradas em %1 nem salvá-las em um arquivo (%2); aqui estão elas:</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Display help information</source>
        <translation>Exibe informações de ajuda</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Print current calculation</source>
        <translation>Imprime o cálculo atual</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unidades</translation>
    </message>
    <message>
        <source>Specify unit options</source>
        <translation>Define as opções de unidades</translation>
    </message>
    <message>
        <source>Product Selection</source>
        <translation>Seleção de produtos</translation>
    </message>
    <message>
        <source>Product selection web pages.</source>
        <translation>Páginas web de seleção de produtos.</translation>
    </message>
</context>
<context>
    <name>FormHelp</name>
    <message>
        <source>Outside air surrounding the appliance. It is recommended to use the most typical ambient temperature during a year. Be aware that load increases in very hot ambient conditions. If the compressor is selected for the highest ambient temperatures in the year, it may be oversized during the cooler period in winter.</source>
        <translation>Ar externo ao redor do equipamento. Recomenda-se usar a temperatura ambiente mais típica ao longo do ano. Observe que a carga aumenta em condições de ambiente muito quente. Se o compressor for selecionado para as temperaturas ambiente mais altas do ano, ele poderá ficar superdimensionado no período mais frio do inverno.</translation>
    </message>
    <message>
        <source>Average temperature inside the appliance. Do not enter lower value than requested for the specific refrigerated goods, as heat load increases.</source>
        <translation>Temperatura média no interior do equipamento. Não insira um valor menor que o exigido para os produtos refrigerados em questão, pois a carga térmica aumenta.</translation>
    </message>
    <message>
        <source>Additional load added due to door or lid openings. In most cases the load is so small that it can be ignored. In case there are many openings per day it must be added. An up-right door opening will add more load than a lid opening on a chest cabinet.</source>
        <translation>Carga adicional devida às aberturas de porta ou tampa. Na maioria dos casos, essa carga é tão pequena que pode ser desprezada. Se houver muitas aberturas por dia, ela deve ser somada. A abertura de uma porta vertical acrescenta mais carga que a abertura da tampa de um gabinete horizontal.</translation>
    </message>
    <message>
        <source>Heat elements or hot-gas pipe can be installed in the door frame to prevent humid air to condensate and form ice around the door. In most case this heat load can be ignored. If there is considerable anti-sweat load it must be added as heat load.</source>
        <translation>Resistências elétricas ou a tubulação de gás quente podem ser instaladas no batente da porta para evitar que o ar úmido se condense e forme gelo ao redor da porta. Na maioria dos casos, essa carga térmica pode ser desprezada. Se a carga da resistência anticondensação for considerável, ela deve ser somada como carga térmica.</translation>
    </message>
    <message>
        <source>The mass of goods that needs to be cooled down in a certain time from start to stop temperature. Be aware cool down load can be very high and will require a lot of compressor capacity. In most cases cool-down load can be ignore unless it is recurring on a daily basis. Latent heat in transition phase of liquid not incorporated. If in doubt contact Nordavik for further advice.</source>
        <translation>Massa de produtos que precisa ser resfriada em um determinado tempo, da temperatura inicial à temperatura final. Observe que a carga de resfriamento pode ser muito alta e exigir muita capacidade do compressor. Na maioria dos casos, a carga de resfriamento pode ser desprezada, a menos que se repita diariamente. O calor latente da mudança de fase do líquido não é considerado. Em caso de dúvida, consulte a Nordavik para mais orientações.</translation>
    </message>
    <message>
        <source>It is recommended to have a maximum 75% running time of the compressor, in a thermostat cycle, in order to have some extra pull-down capacity or if load increases.</source>
        <translation>Recomenda-se que o compressor funcione no máximo 75% do tempo em um ciclo do termostato, para ter capacidade extra de rebaixamento de temperatura ou caso a carga aumente.</translation>
    </message>
</context>
<context>
    <name>FormSheet</name>
    <message>
        <source>Conditions:</source>
        <translation>Condições:</translation>
    </message>
    <message>
        <source>   Ambient temperature</source>
        <translation>   Temperatura ambiente</translation>
    </message>
    <message>
        <source>   Temperature inside box</source>
        <translation>   Temperatura interna</translation>
    </message>
    <message>
        <source>   Detailed conditions</source>
        <translation>   Condições detalhadas</translation>
    </message>
    <message>
        <source>   Evaporating temperature</source>
        <translation>   Temperatura de evaporação</translation>
    </message>
    <message>
        <source>   Condensing temperature</source>
        <translation>   Temperatura de condensação</translation>
    </message>
    <message>
        <source>   Subcooling</source>
        <translation>   Sub-resfriamento</translation>
    </message>
    <message>
        <source>Cabinet Design:</source>
        <translation>Projeto do gabinete:</translation>
    </message>
    <message>
        <source>   Depth (inner dimensions)</source>
        <translation>   Profundidade (dim. internas)</translation>
    </message>
    <message>
        <source>   Width</source>
        <translation>   Largura</translation>
    </message>
    <message>
        <source>   Height</source>
        <translation>   Altura</translation>
    </message>
    <message>
        <source>   Net volume</source>
        <translation>   Volume útil</translation>
    </message>
    <message>
        <source>   Insulation type</source>
        <translation>   Tipo de isolamento</translation>
    </message>
    <message>
        <source>   Insulation k value</source>
        <translation>   Condutividade térmica</translation>
    </message>
    <message>
        <source>   Insulation thickness</source>
        <translation>   Espessura do isolamento</translation>
    </message>
    <message>
        <source>   Door has different insulation</source>
        <translation>   Porta com isolamento diferente</translation>
    </message>
    <message>
        <source>Door Design:</source>
        <translation>Projeto da porta:</translation>
    </message>
    <message>
        <source>   Width (inner dimensions)</source>
        <translation>   Largura (dim. internas)</translation>
    </message>
    <message>
        <source>Additional Heat Load:</source>
        <translation>Carga térmica adicional:</translation>
    </message>
    <message>
        <source>   Door or lid openings</source>
        <translation>   Aberturas de porta/tampa</translation>
    </message>
    <message>
        <source>   Light</source>
        <translation>   Iluminação</translation>
    </message>
    <message>
        <source>   Fan</source>
        <translation>   Ventilador</translation>
    </message>
    <message>
        <source>   Antisweat</source>
        <translation>   Anticondensação</translation>
    </message>
    <message>
        <source>Cool Down Load:</source>
        <translation>Carga de resfriamento:</translation>
    </message>
    <message>
        <source>   Cool down mass</source>
        <translation>   Massa a resfriar</translation>
    </message>
    <message>
        <source>   Type of product</source>
        <translation>   Tipo de produto</translation>
    </message>
    <message>
        <source>   Start temperature</source>
        <translation>   Temperatura inicial</translation>
    </message>
    <message>
        <source>   End temperature</source>
        <translation>   Temperatura final</translation>
    </message>
    <message>
        <source>   Cool down time</source>
        <translation>   Tempo de resfriamento</translation>
    </message>
    <message>
        <source>Compressor:</source>
        <translation>Compressor:</translation>
    </message>
    <message>
        <source>   Max runtime</source>
        <translation>   Funcionamento máx.</translation>
    </message>
    <message>
        <source>Load:</source>
        <translation>Carga:</translation>
    </message>
    <message>
        <source>   Cabinet load</source>
        <translation>   Carga do gabinete</translation>
    </message>
    <message>
        <source>   Door load</source>
        <translation>   Carga da porta</translation>
    </message>
    <message>
        <source>   Additional heat load</source>
        <translation>   Carga térmica adicional</translation>
    </message>
    <message>
        <source>   Cool down load</source>
        <translation>   Carga de resfriamento</translation>
    </message>
</context>
<context>
    <name>InputRounds</name>
    <message>
        <source>%1 ignored: its material is not &quot;Customized&quot;</source>
        <translation>%1 ignorado: o material não é “Personalizado”</translation>
    </message>
</context>
<context>
    <name>Materials</name>
    <message>
        <source>Customized</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>Polyurethane foam</source>
        <translation>Espuma de poliuretano</translation>
    </message>
    <message>
        <source>Cyclopentane</source>
        <translation>Ciclopentano</translation>
    </message>
    <message>
        <source>Polystyrol</source>
        <translation>Poliestireno</translation>
    </message>
    <message>
        <source>Rockwool</source>
        <translation>Lã de rocha</translation>
    </message>
    <message>
        <source>Glass 2 layer</source>
        <translation>Vidro duplo</translation>
    </message>
    <message>
        <source>Glass 3 layer</source>
        <translation>Vidro triplo</translation>
    </message>
    <message>
        <source>Glass &apos;Super low energy&apos;</source>
        <translation>Vidro &apos;Superbaixo consumo&apos;</translation>
    </message>
</context>
<context>
    <name>NumericBehavior</name>
    <message>
        <source>Please specify a valid numeric value.</source>
        <translation>Informe um valor numérico válido.</translation>
    </message>
    <message>
        <source>Please specify a numeric value between </source>
        <translation>Informe um valor numérico entre </translation>
    </message>
    <message>
        <source> and </source>
        <translation> e </translation>
    </message>
    <message>
        <source>Please specify a numeric value greater than or equal to </source>
        <translation>Informe um valor numérico maior ou igual a </translation>
    </message>
    <message>
        <source>Please specify a numeric value less than or equal to </source>
        <translation>Informe um valor numérico menor ou igual a </translation>
    </message>
    <message>
        <source>.</source>
        <translation>.</translation>
    </message>
</context>
<context>
    <name>OpenError</name>
    <message>
        <source>The web browser registered for web pages
could not be started.</source>
        <translation>O navegador registrado para páginas web
não pôde ser iniciado.</translation>
    </message>
    <message>
        <source>The web browser registered for web pages
is not installed.</source>
        <translation>O navegador registrado para páginas web
não está instalado.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>O caminho especificado não foi encontrado.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>O sistema operacional negou
o acesso ao arquivo especificado.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>Não há memória suficiente para concluir a operação.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>O arquivo .EXE é inválido
(.EXE não Win32 ou erro na imagem .EXE).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Ocorreu uma violação de compartilhamento. </translation>
    </message>
    <message>
        <source>xdg-open could not open it, and the web browser
registered for web pages ended with an error.</source>
        <translation>O xdg-open não conseguiu abri-lo, e o navegador
registrado para páginas web terminou com erro.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>A transação DDE não pôde
ser concluída porque a solicitação expirou.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>A transação DDE falhou.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>A transação DDE não pôde
ser concluída porque outras transações DDE
estavam sendo processadas.</translation>
    </message>
    <message>
        <source>xdg-open could not open it, and no web browser
is registered for web pages (text/html).</source>
        <translation>O xdg-open não conseguiu abri-lo, e nenhum navegador
está registrado para páginas web (text/html).</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>A biblioteca de vínculo dinâmico especificada não foi encontrada.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Ocorreu um erro desconhecido (%1).</translation>
    </message>
    <message>
        <source>Unable to open hyperlink:

</source>
        <translation>Não foi possível abrir o hiperlink:

</translation>
    </message>
    <message>
        <source>To open it in a browser by hand, copy the address:</source>
        <translation>Para abri-lo manualmente em um navegador, copie o endereço:</translation>
    </message>
</context>
<context>
    <name>Products</name>
    <message>
        <source>Cream</source>
        <translation>Creme de leite</translation>
    </message>
    <message>
        <source>Ice cream</source>
        <translation>Sorvete</translation>
    </message>
    <message>
        <source>Milk</source>
        <translation>Leite</translation>
    </message>
    <message>
        <source>Cheese</source>
        <translation>Queijo</translation>
    </message>
    <message>
        <source>Butter</source>
        <translation>Manteiga</translation>
    </message>
    <message>
        <source>Bread</source>
        <translation>Pão</translation>
    </message>
    <message>
        <source>Beer</source>
        <translation>Cerveja</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Água</translation>
    </message>
    <message>
        <source>Poultry</source>
        <translation>Aves</translation>
    </message>
    <message>
        <source>Sheep meagre</source>
        <translation>Carne de carneiro magra</translation>
    </message>
    <message>
        <source>Veal</source>
        <translation>Vitela</translation>
    </message>
    <message>
        <source>Lamb</source>
        <translation>Cordeiro</translation>
    </message>
    <message>
        <source>Beef</source>
        <translation>Carne bovina</translation>
    </message>
    <message>
        <source>Sausage</source>
        <translation>Linguiça</translation>
    </message>
    <message>
        <source>Pork</source>
        <translation>Carne suína</translation>
    </message>
    <message>
        <source>Fish meagre</source>
        <translation>Peixe magro</translation>
    </message>
    <message>
        <source>Fisk fat</source>
        <translation>Peixe gordo</translation>
    </message>
    <message>
        <source>Vegetables (average)</source>
        <translation>Hortaliças (média)</translation>
    </message>
</context>
<context>
    <name>ProgramNotices</name>
    <message>
        <source>Copyright © 2026 Nordavik</source>
        <translation>Copyright © 2026 Nordavik</translation>
    </message>
    <message>
        <source>Heat loads: Nordavik Engineering</source>
        <translation>Cargas térmicas: Nordavik Engineering</translation>
    </message>
    <message>
        <source>Program: the Kaldora team</source>
        <translation>Programa: equipe Kaldora</translation>
    </message>
    <message>
        <source>Nordavik and Kaldora are trademarks of Nordavik. All rights reserved.</source>
        <translation>Nordavik e Kaldora são marcas registradas da Nordavik. Todos os direitos reservados.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
</context>
<context>
    <name>ReportLines</name>
    <message>
        <source>Compressor Selection Conditions:</source>
        <translation>Condições de seleção do compressor:</translation>
    </message>
</context>
<context>
    <name>RescueFile</name>
    <message>
        <source>%1: cannot be created</source>
        <translation>%1: não pode ser criado</translation>
    </message>
</context>
<context>
    <name>ResultHelp</name>
    <message>
        <source>Cooling capacity required to remove the heat load. In the calculation the maximum runtime value has been multiplied.</source>
        <translation>Capacidade de refrigeração necessária para remover a carga térmica. No cálculo, foi aplicado o fator do tempo máximo de funcionamento.</translation>
    </message>
    <message>
        <source>T Evaporator is a calculated value based on the Temperature inside the box – 10 degrees, as a rule of thumb. Delta t is then 10K. Depending on the evaporator design, type and effectiveness of heat exchange the delta t may be higher or lower. If the compressor capacity is much higher than the heat load then the delta will also be much bigger. In that case V-speed compressors have the advantage that speed can be adapted to the heat load, and thereby save energy and maybe go one size down in compressor displacement. Contact Nordavik for more info. When selecting the compressor and there is a big deviation to the suggested T evaporator temperature, the compressor must be selected at the lower or higher evaporator temperature.</source>
        <translation>T evaporador é um valor calculado com base na temperatura interna – 10 graus, como regra prática. O delta t é então de 10K. Dependendo do projeto do evaporador, do tipo e da eficiência da troca de calor, o delta t pode ser maior ou menor. Se a capacidade do compressor for muito maior que a carga térmica, o delta também será muito maior. Nesse caso, os compressores de velocidade variável têm a vantagem de adaptar a velocidade à carga térmica, economizando energia e talvez permitindo um compressor com deslocamento um tamanho menor. Consulte a Nordavik para mais informações. Ao selecionar o compressor, se houver um grande desvio em relação ao T evaporador sugerido, o compressor deve ser selecionado na temperatura de evaporação mais baixa ou mais alta.</translation>
    </message>
    <message>
        <source>T Condenser is a calculated value based on Ambient temperature + 10 degrees, as a rule of thumb. Delta t is then 10K. Depending on the condenser design, type and effectiveness of heat exchange the delta t may be higher or lower. If the condenser is undersized delta T will be much higher than 10K. Consequently energy consumption will increase rapidly.</source>
        <translation>T condensador é um valor calculado com base na temperatura ambiente + 10 graus, como regra prática. O delta t é então de 10K. Dependendo do projeto do condensador, do tipo e da eficiência da troca de calor, o delta t pode ser maior ou menor. Se o condensador estiver subdimensionado, o delta T será muito maior que 10K. Consequentemente, o consumo de energia aumentará rapidamente.</translation>
    </message>
    <message>
        <source>Sub-cooling is the temperature difference between saturated liquid temperature and actual liquid temperature.</source>
        <translation>Sub-resfriamento é a diferença entre a temperatura do líquido saturado e a temperatura real do líquido.</translation>
    </message>
</context>
<context>
    <name>ResultMember</name>
    <message>
        <source>Net volume</source>
        <translation>Volume útil</translation>
    </message>
    <message>
        <source>Cabinet load</source>
        <translation>Carga do gabinete</translation>
    </message>
    <message>
        <source>Door load</source>
        <translation>Carga da porta</translation>
    </message>
    <message>
        <source>Transmission load</source>
        <translation>Carga de transmissão</translation>
    </message>
    <message>
        <source>Additional heat load</source>
        <translation>Carga térmica adicional</translation>
    </message>
    <message>
        <source>Cool down load</source>
        <translation>Carga de resfriamento</translation>
    </message>
</context>
<context>
    <name>ResultRows</name>
    <message>
        <source>Compressor Selection Conditions</source>
        <translation>Condições de seleção do compressor</translation>
    </message>
    <message>
        <source>Requested compressor capacity</source>
        <translation>Capacidade requerida do compressor</translation>
    </message>
    <message>
        <source>T Evaporator</source>
        <translation>T evaporador</translation>
    </message>
    <message>
        <source>T Condenser</source>
        <translation>T condensador</translation>
    </message>
    <message>
        <source>Subcooling</source>
        <translation>Sub-resfriamento</translation>
    </message>
</context>
<context>
    <name>SeekPanel</name>
    <message>
        <source>Goal seek</source>
        <translation>Atingir meta</translation>
    </message>
    <message>
        <source>Fin&amp;d</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>&amp;Use answer</source>
        <translation>&amp;Usar resposta</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>Desfa&amp;zer</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Wanted value</source>
        <translation>Valor desejado</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Respostas</translation>
    </message>
    <message>
        <source>so that r&amp;esult</source>
        <translation>de modo que o &amp;resultado</translation>
    </message>
    <message>
        <source>= &amp;wanted value</source>
        <translation>= va&amp;lor desejado</translation>
    </message>
    <message>
        <source>%1 gives %2.</source>
        <translation>%1 resulta em %2.</translation>
    </message>
    <message>
        <source>The result is not monotone in this range: %1 gives %2 at each of %3.</source>
        <translation>O resultado não é monotônico neste intervalo: %1 resulta em %2 em cada um destes valores: %3.</translation>
    </message>
    <message>
        <source>No value from %1 to %2 gives %3: in this range the result runs from %4 to %5 %6.</source>
        <translation>Nenhum valor de %1 a %2 resulta em %3: neste intervalo, o resultado vai de %4 a %5 %6.</translation>
    </message>
    <message>
        <source>No value from %1 to %2 gives %3.</source>
        <translation>Nenhum valor de %1 a %2 resulta em %3.</translation>
    </message>
    <message>
        <source>Part of the range stops at a check: %1</source>
        <translation>Parte do intervalo não passa em uma verificação: %1</translation>
    </message>
    <message>
        <source>Find %1 from %2 to %3</source>
        <translation>Buscar %1 de %2 a %3</translation>
    </message>
</context>
<context>
    <name>SheetPainter</name>
    <message>
        <source>Version</source>
        <translation>Versão</translation>
    </message>
</context>
<context>
    <name>SheetReading</name>
    <message>
        <source>From the last complete calculation: the current inputs stop at a check.</source>
        <translation>Do último cálculo completo: as entradas atuais não passam em uma verificação.</translation>
    </message>
</context>
<context>
    <name>SpokenUnits</name>
    <message>
        <source>BTU per hour foot degree Fahrenheit</source>
        <translation>BTU por hora por pé por grau Fahrenheit</translation>
    </message>
    <message>
        <source>watts per metre kelvin</source>
        <translation>watts por metro por kelvin</translation>
    </message>
    <message>
        <source>BTU per hour</source>
        <translation>BTU por hora</translation>
    </message>
    <message>
        <source>cubic feet</source>
        <translation>pés cúbicos</translation>
    </message>
    <message>
        <source>degrees Celsius</source>
        <translation>graus Celsius</translation>
    </message>
    <message>
        <source>degrees Fahrenheit</source>
        <translation>graus Fahrenheit</translation>
    </message>
    <message>
        <source>kelvin</source>
        <translation>kelvin</translation>
    </message>
</context>
<context>
    <name>SweepChart</name>
    <message>
        <source>the calculation stops here</source>
        <translation>o cálculo para aqui</translation>
    </message>
</context>
<context>
    <name>SweepRange</name>
    <message>
        <source>&apos;--sweep %1&apos;: expected NAME=FROM:TO:STEP with NAME a number input such as iDepth</source>
        <translation>&apos;--sweep %1&apos;: esperado NAME=FROM:TO:STEP, sendo NAME uma entrada numérica como iDepth</translation>
    </message>
    <message>
        <source>&apos;--sweep %1&apos;: FROM, TO and STEP take numbers such as 455.55 or -7 (at most %2 whole digits and %3 decimals)</source>
        <translation>&apos;--sweep %1&apos;: FROM, TO e STEP aceitam números como 455.55 ou -7 (no máximo %2 dígitos inteiros e %3 casas decimais)</translation>
    </message>
    <message>
        <source>&apos;--sweep %1&apos;: STEP must lead from FROM to TO</source>
        <translation>&apos;--sweep %1&apos;: STEP deve levar de FROM até TO</translation>
    </message>
    <message>
        <source>&apos;--sweep %1&apos;: more than %2 values</source>
        <translation>&apos;--sweep %1&apos;: mais de %2 valores</translation>
    </message>
</context>
<context>
    <name>UnitLabel</name>
    <message>
        <source>in.</source>
        <translation>in.</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>ºF</source>
        <translation>ºF</translation>
    </message>
    <message>
        <source>ºC</source>
        <translation>ºC</translation>
    </message>
    <message>
        <source>ft3</source>
        <translation>ft3</translation>
    </message>
    <message>
        <source>L</source>
        <translation>L</translation>
    </message>
    <message>
        <source>lbs</source>
        <translation>lbs</translation>
    </message>
    <message>
        <source>kg</source>
        <translation>kg</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>horas</translation>
    </message>
    <message>
        <source>Btu/hr</source>
        <translation>Btu/hr</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>BTU/h·ft·°F</source>
        <translation>BTU/h·ft·°F</translation>
    </message>
    <message>
        <source>W/m·K</source>
        <translation>W/m·K</translation>
    </message>
    <message>
        <source>ºK</source>
        <translation>ºK</translation>
    </message>
</context>
<context>
    <name>VariantComparison</name>
    <message>
        <source>on</source>
        <translation>sim</translation>
    </message>
    <message>
        <source>off</source>
        <translation>não</translation>
    </message>
    <message>
        <source>Variants side by side</source>
        <translation>Variantes lado a lado</translation>
    </message>
    <message>
        <source>Comparison of the variants</source>
        <translation>Comparação das variantes</translation>
    </message>
    <message>
        <source>Show ever&amp;y input</source>
        <translation>E&amp;xibir todas as entradas</translation>
    </message>
    <message>
        <source>&amp;Keep as variant</source>
        <translation>&amp;Manter como variante</translation>
    </message>
    <message>
        <source>Open fi&amp;les...</source>
        <translation>Abrir ar&amp;quivos...</translation>
    </message>
    <message>
        <source>&amp;Put back</source>
        <translation>Repor na &amp;janela</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>Rem&amp;over</translation>
    </message>
    <message>
        <source>Save va&amp;riant as...</source>
        <translation>&amp;Salvar variante como...</translation>
    </message>
    <message>
        <source>Copy t&amp;able</source>
        <translation>Cop&amp;iar tabela</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensagem</translation>
    </message>
    <message>
        <source>Open Calculations</source>
        <translation>Abrir cálculos</translation>
    </message>
    <message>
        <source>Calculations (*.%1)</source>
        <translation>Cálculos (*.%1)</translation>
    </message>
    <message>
        <source>Save Calculation</source>
        <translation>Salvar cálculo</translation>
    </message>
</context>
<context>
    <name>WebAddresses</name>
    <message>
        <source>Visit Nordavik on the Web</source>
        <translation>Visitar a Nordavik na Web</translation>
    </message>
</context>
<context>
    <name>WhatIfWindow</name>
    <message>
        <source>What If</source>
        <translation>Análise de hipóteses</translation>
    </message>
    <message>
        <source>Sweep chart</source>
        <translation>Gráfico de varredura</translation>
    </message>
    <message>
        <source>Points of the sweep</source>
        <translation>Pontos da varredura</translation>
    </message>
    <message>
        <source>C&amp;hart</source>
        <translation>Grá&amp;fico</translation>
    </message>
    <message>
        <source>&amp;Table of points</source>
        <translation>&amp;Tabela de pontos</translation>
    </message>
    <message>
        <source>&amp;Input:</source>
        <translation>&amp;Entrada:</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;De:</translation>
    </message>
    <message>
        <source>T&amp;o:</source>
        <translation>&amp;Até:</translation>
    </message>
    <message>
        <source>&amp;Steps:</source>
        <translation>&amp;Passos:</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>CS&amp;V...</source>
        <translation>CS&amp;V...</translation>
    </message>
    <message>
        <source>P&amp;NG...</source>
        <translation>P&amp;NG...</translation>
    </message>
    <message>
        <source>SV&amp;G...</source>
        <translation>SV&amp;G...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimir...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensagem</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>CSV tables (*.csv)</source>
        <translation>Tabelas CSV (*.csv)</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>Não foi possível gravar %1: %2</translation>
    </message>
    <message>
        <source>SVG pictures (*.svg)</source>
        <translation>Imagens SVG (*.svg)</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Imagens PNG (*.png)</translation>
    </message>
    <message>
        <source>The printer could not start the job.</source>
        <translation>A impressora não conseguiu iniciar o trabalho.</translation>
    </message>
</context>
</TS>
